#pragma once

#include "core/mainwindow/appstate.h"
#include "core/mainwindow/termlistmodel.h"
#include "core/platform/platform.h"
#include "core/search/termsearch.h"
#include "ui/mainwindow/termlistview.h"

#include <QMainWindow>

#include <optional>

class QAction;
class QLabel;
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

    // Searching: Ctrl+F asks for a new text, F3 searches on (or asks).
    void StartSearch();
    void ContinueSearch();
    void SearchTerms(bool fromStart);

    // The local help file, or the message that says where to put it.
    void OpenHelpFile();
    // Source 0: the local help file; source 1: the help page on the site.
    void OpenHelp(qint16 source);
    // The greeting of the time of day in the status line.
    void ShowGreeting();

    // The menus' click handlers; each takes the index of the chosen item.
    void mnu_sluiten_kies_Click(qint16 index);
    void mnu_database_kies_Click(qint16 index);
    void mnu_info_kies_Click(qint16 index);
    void mnu_extra_kies_Click(qint16 index);
    void mnu_help_kies_Click(qint16 index);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createLines(QWidget *surface);
    void setTabOrder();
    void createMenus();
    void watchKeys();
    void watchMouse();

    // The key handling that sees every key before the focused control.
    void Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void mouseMovedOver(QWidget *control);

    void HScroll_Record_Change(int value);
    void List_Grid_Click();
    void Form_Unload();
    // Reacts to a start-up failure by its kind: nothing when start-up goes
    // on, else how it ended.
    std::optional<LoadOutcome> trap(ErrorKind error);
    void selectListRow(int row);
    // Hands a file or address to the shell; says so when nothing opens it.
    void openTarget(const QString &target);
    void describeRecordLabels(const QString &term);

    Platform &m_platform;
    AppState &m_state;
    ProcessFacts m_facts; // read once, at start-up
    TermListModel m_model;
    bool m_unloaded = false;
    QString SearchStr;
    std::optional<TermSearch> m_search;
    QWidget *m_surface = nullptr;

    QLabel *Lbl_Begrip = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Lbl_Beschrijving = nullptr;
    QLabel *Lbl_CurrRecord = nullptr;
    QLabel *Lbl_StatusHelp = nullptr;
    TermListView *List_Grid = nullptr;
    QScrollBar *HScroll_Record = nullptr;
    QPushButton *Knp_EersteRecord = nullptr;
    QPushButton *Knp_LaatsteRecord = nullptr;
};

} // namespace Woord
