#pragma once

#include "core/mainwindow/appstate.h"
#include "core/mainwindow/display.h"
#include "core/mainwindow/menus.h"
#include "core/mainwindow/termlistmodel.h"
#include "core/platform/platform.h"
#include "core/search/termsearch.h"

#include <QMainWindow>

#include <optional>

class QLabel;
class QPushButton;
class QScrollBar;

namespace Woord {

class DesignFonts;
class Dialogs;
class TermListView;

// The main window: the current term with its raised look, its description
// and the counter, the term list, the scroll bar and the two buttons. Its
// load handling brings the program up; closing it in any way unloads the
// program, which stores the settings.
class FrmHoofd final : public QMainWindow
{
    Q_OBJECT

public:
    FrmHoofd(Platform &platform, AppState &state, const DesignFonts &fonts, Dialogs &dialogs,
             QWidget *parent = nullptr);

    enum class LoadOutcome {
        Show, // start-up is done; show the window
        EndAtOnce, // the program ends without saving anything
        Unloaded, // the program was unloaded (settings saved) and ends
    };
    LoadOutcome Form_Load();

    // The four navigation steps; at either end they beep and change nothing.
    void PreviousRecord() { step(Display::Step::Previous); }
    void NextRecord() { step(Display::Step::Next); }
    void FirstRecord() { step(Display::Step::First); }
    void LastRecord() { step(Display::Step::Last); }

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
    enum class HelpSource {
        File, // the local help file
        Site, // the help page on the maker's site
    };
    void OpenHelp(HelpSource source);
    // The greeting of the time of day in the status line.
    void ShowGreeting();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // frmhoofd_layout.cpp: the controls, their places and looks.
    void createControls(const DesignFonts &fonts);
    void createLines(QWidget *surface);
    void setTabOrder();
    void createMenus();
    void watchKeys();
    void watchMouse();

    // Makes `entry` current and shows it everywhere: term, description,
    // counter, scroll bar and the list's row.
    void goTo(qint32 entry);
    void step(Display::Step step);
    void HScroll_Record_Change(int value);
    void List_Grid_Click();
    void selectListRow(int row);
    void describeRecordLabels(const QString &term);

    // The key handling that sees every key before the focused control.
    void Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void mouseMovedOver(QWidget *control);

    // The menus' items, one a command.
    void run(Menus::Command command);
    void showGlossaryInformation();
    void showAbout();
    // Hands a file or address to the shell; says so when nothing opens it.
    void openTarget(const QString &target);

    void Form_Unload();

    Platform &m_platform;
    AppState &m_state;
    Dialogs &m_dialogs;
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
