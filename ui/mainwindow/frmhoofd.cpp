// What the main window does: start-up and shut-down, showing the current
// entry and moving through the glossary, searching, the keys and the status
// line, and the menus' commands. Its controls are made in frmhoofd_layout.cpp.
//
// Every change of the current entry goes one way: goTo() sets CurrRecord and
// ShowRecord() shows it. Setting the scroll bar runs its change handler and
// selecting a list row runs the list's handler, nested and at once; each
// recomputes the same CurrRecord, so the nesting settles by itself with term,
// description, counter, scroll bar and row in step.

#include "ui/mainwindow/frmhoofd.h"

#include "core/links/links.h"
#include "core/mainwindow/greeting.h"
#include "core/mainwindow/programinfo.h"
#include "core/mainwindow/startup.h"
#include "core/mainwindow/statushelp.h"
#include "core/settings/config.h"
#include "ui/mainwindow/termlistview.h"
#include "ui/widgets/text3d.h"
#include "ui/widgets/twips.h"
#include "ui/windows/dialogs.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QWindow>

#include <limits>

namespace Woord {

// Start-up, in the order of its steps. What the glossary gave is decided by
// the core (Startup::plan); the window carries the decision out.
FrmHoofd::LoadOutcome FrmHoofd::Form_Load()
{
    if (!m_platform.claimSingleInstance())
        return LoadOutcome::EndAtOnce;

    m_facts = m_platform.processFacts();
    m_state.ProgrammaTitel = ProgramInfo::programmaTitel(m_facts);
    m_state.DataMap = ProgramInfo::dataMap(m_facts);
    const QString &title = m_state.ProgrammaTitel;
    for (const ConfigProblem &problem : Loadconfig(m_platform.settings(), m_facts.folder, m_state.config))
        m_platform.showMessage(loadconfigMessage(title, problem.error));
    Lbl_StatusHelp->setText(title);
    // The outer frame's corner, as shut-down stores it; the window is not made
    // yet, so the window manager puts the frame there. No bounds: a stored
    // place off the screen is used as it is.
    move(Twips::toPixels(m_state.config.Links), Twips::toPixels(m_state.config.Boven));
    m_state.DatabasePad = m_state.DataMap + m_state.config.BijStart;

    m_platform.setWaitCursor(true);
    Startup::GlossaryRead read = Startup::readGlossary(m_state.DatabasePad);
    m_platform.setWaitCursor(false);
    const Startup::Plan plan = Startup::plan(read, title, m_state.DatabasePad);
    for (const Message &message : plan.messages)
        m_platform.showMessage(message);
    switch (plan.ending) {
    case Startup::Ending::AtOnce:
        return LoadOutcome::EndAtOnce;
    case Startup::Ending::Unload:
        Form_Unload();
        return LoadOutcome::Unloaded;
    case Startup::Ending::Show:
        break;
    }

    if (plan.firstTerm == Startup::FirstTerm::First)
        selectListRow(0);
    if (plan.firstTerm != Startup::FirstTerm::Random)
        return LoadOutcome::Show;

    m_state.glossary = std::move(read.load.glossary);
    // The start index the file gives is no entry to show; start-up chooses.
    m_state.CurrRecord = 0;
    m_model.reload();
    m_search.emplace(m_state.glossary);

    // A first term chosen at random, every term with the same chance.
    const int seconds = m_platform.timeOfDay().msecsSinceStartOfDay() / 1000;
    const int row = Display::firstTermRow(seconds, m_state.glossary.AantalBegrippen());
    if (row >= 0)
        selectListRow(row);
    ShowRecord();
    SyncListIndex();
    setWindowTitle(title);
    EnableRecordLabels(true);
    // An empty glossary has no entry to put the scroll bar on.
    if (m_state.glossary.AantalBegrippen() > 0)
        HScroll_Record->setValue(m_state.CurrRecord);
    return LoadOutcome::Show;
}

void FrmHoofd::Form_Unload()
{
    // The window is unloaded once, whatever asks for it.
    if (m_unloaded)
        return;
    m_unloaded = true;

    ConfigSave save;
    save.programFolder = m_facts.folder;
    save.DataMap = m_state.DataMap;
    save.exeName = m_facts.exeName;
    save.Gebruik = m_state.config.Gebruik;
    save.version = ProgramInfo::versionText(m_facts);
    // The outer frame's corner, where start-up puts it again.
    const QPoint corner = frameGeometry().topLeft();
    save.left = Twips::fromPixels(corner.x());
    save.top = Twips::fromPixels(corner.y());
    save.placeKnown = m_platform.placesWindows();
    // The program ends either way; a store that cannot be written keeps what
    // it had.
    SaveConfig(m_platform.settings(), save);
}

void FrmHoofd::ShowRecord()
{
    const Glossary &glossary = m_state.glossary;
    if (glossary.AantalBegrippen() <= 0) {
        EnableRecordLabels(false);
        Lbl_Begrip->setText(QString());
        Lbl_Beschrijving->setText(QString());
        describeRecordLabels(QString());
        Lbl_CurrRecord->setText(QString::fromUtf16(Display::emptyGlossaryText));
        HScroll_Record->setValue(1);
        return;
    }

    const BegripRecord record = glossary.Begrippen(m_state.CurrRecord);
    EnableRecordLabels(true);
    Lbl_Begrip->setText(record.Begrip);
    Text3D::Apply3DEffect(Lbl_Begrip, Label3, Label2, Lbl_Begrip->text(), Text3D::Raised, Qt::black, 1);
    Lbl_Beschrijving->setText(record.Beschrijving);
    describeRecordLabels(record.Begrip);
    Lbl_CurrRecord->setText(Display::counterText(m_state.CurrRecord, glossary.AantalBegrippen()));
    HScroll_Record->setMaximum(glossary.AantalBegrippen());
    HScroll_Record->setValue(m_state.CurrRecord);
}

void FrmHoofd::describeRecordLabels(const QString &term)
{
    // A screen reader hears the status line texts of the term and the
    // description with the term on display; with no term there is nothing
    // to describe.
    for (QLabel *label : {Lbl_Begrip, Lbl_Beschrijving})
        label->setAccessibleDescription(term.isEmpty() ? QString() : StatusHelp::textFor(label->objectName(), term));
}

void FrmHoofd::EnableRecordLabels(bool enabled)
{
    Lbl_Begrip->setEnabled(enabled);
    Lbl_Beschrijving->setEnabled(enabled);
}

void FrmHoofd::SyncListIndex()
{
    selectListRow(m_state.CurrRecord - 1);
}

void FrmHoofd::selectListRow(int row)
{
    // A row outside the list (or outside 16 bits) is passed over silently.
    if (row < 0 || row > std::numeric_limits<qint16>::max() || row >= m_model.rowCount())
        return;
    const QModelIndex index = m_model.index(row);
    List_Grid->setCurrentIndex(index);
    List_Grid->scrollTo(index);
}

void FrmHoofd::goTo(qint32 entry)
{
    m_state.CurrRecord = entry;
    ShowRecord();
    SyncListIndex();
}

void FrmHoofd::step(Display::Step step)
{
    if (const std::optional<qint32> entry
        = Display::stepTo(step, m_state.CurrRecord, m_state.glossary.AantalBegrippen()))
        goTo(*entry);
    else
        m_platform.beep();
}

void FrmHoofd::HScroll_Record_Change(int value)
{
    if (m_state.glossary.AantalBegrippen() > 0)
        goTo(value);
}

void FrmHoofd::List_Grid_Click()
{
    const QModelIndex current = List_Grid->currentIndex();
    if (!current.isValid())
        return;
    m_state.CurrRecord = current.row() + 1;
    ShowRecord();
}

// SearchStr holds the text being searched for; empty means no search is
// under way, and then F3 asks for one.
void FrmHoofd::StartSearch()
{
    bool fromStart = false;
    if (!m_dialogs.GetSearchStr(fromStart, SearchStr))
        return;
    // An empty text confirmed ends any search under way.
    if (SearchStr.isEmpty())
        return;
    SearchTerms(fromStart);
}

void FrmHoofd::ContinueSearch()
{
    if (SearchStr.isEmpty()) {
        StartSearch();
        return;
    }
    SearchTerms(false);
}

void FrmHoofd::SearchTerms(bool fromStart)
{
    const qint32 start = fromStart ? 1 : m_state.CurrRecord + 1;
    const qint32 hit = m_search ? m_search->SearchTerms(SearchStr, start) : 0;
    if (hit > 0) {
        m_state.CurrRecord = hit;
        ShowRecord();
        return;
    }
    // No wrap-around: the search ends here, and the next F3 asks anew.
    m_platform.showMessage(notFoundMessage(m_state.ProgrammaTitel, SearchStr));
    SearchStr.clear();
}

// The window watches its own platform window, so it sees every key press
// once, before the control that has the focus; it acts on the function keys
// and Ctrl+F and leaves the key to that control as well. Moving the mouse
// over a control of the status table puts its help text in the status line;
// over the bare window (where only lines and the tip's shapes lie) the
// greeting.
bool FrmHoofd::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        Form_KeyDown(key->key(), key->modifiers());
        return QMainWindow::eventFilter(watched, event);
    }
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove && !static_cast<QMouseEvent *>(event)->buttons()) {
        if (widget == m_surface)
            ShowGreeting();
        else if (m_surface->isAncestorOf(widget))
            mouseMovedOver(widget);
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmHoofd::Form_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_F1:
        OpenHelpFile();
        break;
    case Qt::Key_F4:
        if (modifiers & Qt::AltModifier)
            close();
        break;
    case Qt::Key_F3:
        ContinueSearch();
        break;
    case Qt::Key_F5:
        PreviousRecord();
        break;
    case Qt::Key_F6:
        NextRecord();
        break;
    case Qt::Key_F7:
        FirstRecord();
        break;
    case Qt::Key_F8:
        LastRecord();
        break;
    case Qt::Key_F:
        if (modifiers & Qt::ControlModifier)
            StartSearch();
        break;
    default:
        break;
    }
}

void FrmHoofd::mouseMovedOver(QWidget *control)
{
    // A part of a control (the list's rows, its scroll bar) counts as the control.
    for (QWidget *w = control; w && w != m_surface; w = w->parentWidget()) {
        const QString text = StatusHelp::textFor(w->objectName());
        if (!text.isEmpty()) {
            Lbl_StatusHelp->setText(text);
            return;
        }
    }
}

void FrmHoofd::ShowGreeting()
{
    const int hour = m_platform.timeOfDay().hour();
    if (const std::optional<QString> text = Greeting::ShowGreetingText(m_facts.companyName, hour))
        Lbl_StatusHelp->setText(*text);
}

void FrmHoofd::run(Menus::Command command)
{
    switch (command) {
    case Menus::Command::Separator:
        break;
    case Menus::Command::Close:
        close();
        break;
    case Menus::Command::GlossaryInformation:
        showGlossaryInformation();
        break;
    case Menus::Command::GlossaryPage:
        openTarget(Links::glossaryPage());
        break;
    case Menus::Command::About:
        showAbout();
        break;
    case Menus::Command::ProgramPage:
        openTarget(Links::programPage());
        break;
    case Menus::Command::Sources:
        m_platform.showMessage(Links::sources());
        break;
    case Menus::Command::CountryCodes:
        m_dialogs.showCountryCodes();
        break;
    case Menus::Command::HelpFile:
        OpenHelp(HelpSource::File);
        break;
    case Menus::Command::HelpPage:
        OpenHelp(HelpSource::Site);
        break;
    case Menus::Command::ShortcutKeys:
        m_dialogs.showShortcutKeys();
        break;
    }
}

void FrmHoofd::showGlossaryInformation()
{
    m_platform.showMessage(
        Links::glossaryInformation(m_state.glossary.DatabaseDatum(), m_state.glossary.AantalBegrippen()));
}

void FrmHoofd::showAbout()
{
    m_dialogs.showAbout({m_state.ProgrammaTitel, m_facts.revision, m_state.glossary.DatabaseDatum(),
                         m_state.glossary.AantalBegrippen()});
}

void FrmHoofd::OpenHelp(HelpSource source)
{
    switch (source) {
    case HelpSource::File:
        OpenHelpFile();
        break;
    case HelpSource::Site:
        openTarget(Links::helpPage());
        break;
    }
}

void FrmHoofd::OpenHelpFile()
{
    const QString path = Links::localHelpFile(m_state.DataMap);
    // Where the shell's open succeeds before a browser finds the file
    // missing, the file is looked for first, so the message still comes.
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        m_platform.showMessage(Links::helpMissing(m_state.ProgrammaTitel, m_state.DataMap));
    else
        openTarget(path);
}

void FrmHoofd::openTarget(const QString &target)
{
    if (!m_platform.openWithShell(target))
        m_platform.showMessage(Links::openFailed(m_state.ProgrammaTitel, target));
}

} // namespace Woord
