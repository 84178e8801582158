#pragma once

#include "mainwindow/appstate.h"
#include "mainwindow/termlistmodel.h"
#include "platform/platform.h"

#include <QMainWindow>

class QLabel;
class QListView;
class QPushButton;
class QScrollBar;

namespace Woord {

// The main window: the current term with its raised look, its description
// and the counter, the term list, the scroll bar and the two buttons. Its
// load handling brings the program up; closing it in any way unloads the
// program, which stores the settings.
class FrmHoofd final : public QMainWindow
{
    Q_OBJECT

public:
    FrmHoofd(Platform &platform, AppState &state, QWidget *parent = nullptr);

    enum class LoadOutcome {
        Show, // start-up is done; show the window
        EndAtOnce, // the program ends without saving anything
        Unloaded, // the program was unloaded (settings saved) and ends
    };
    LoadOutcome Form_Load();

    // The four navigation steps; at either end they beep and change nothing.
    void PreviousRecord();
    void NextRecord();
    void FirstRecord();
    void LastRecord();

    // Shows entry CurrRecord: term, description, counter and scroll bar.
    void ShowRecord();
    void EnableRecordLabels(bool enabled);
    // Selects the list row of CurrRecord; an impossible row is passed over.
    void SyncListIndex();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createLines(QWidget *surface);
    void setTabOrder();

    void HScroll_Record_Change(int value);
    void List_Grid_Click();
    void Form_Unload();
    void selectListRow(int row);

    Platform &m_platform;
    AppState &m_state;
    TermListModel m_model;
    bool m_unloaded = false;

    QLabel *Lbl_Begrip = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Lbl_Beschrijving = nullptr;
    QLabel *Lbl_CurrRecord = nullptr;
    QLabel *Lbl_StatusHelp = nullptr;
    QListView *List_Grid = nullptr;
    QScrollBar *HScroll_Record = nullptr;
    QPushButton *Knp_EersteRecord = nullptr;
    QPushButton *Knp_LaatsteRecord = nullptr;
};

} // namespace Woord
