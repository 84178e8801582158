// Start-up and shut-down of the program. Start-up runs its steps in order;
// the glossary's own rejections end it with their messages, and a failure to
// open or read the glossary goes to the trap, which reacts by its kind (go
// on, or report and unload). Unloading the main window always stores the
// settings.

#include "ui/mainwindow/frmhoofd.h"

#include "core/glossary/glossarymessages.h"
#include "core/glossary/loader.h"
#include "core/mainwindow/display.h"
#include "core/mainwindow/programinfo.h"
#include "core/mainwindow/startuptrap.h"
#include "ui/widgets/designfonts.h"

#include <QLabel>
#include <QScrollBar>

#include <optional>

namespace Woord {

namespace {
constexpr int twipsPerPixel = 15;
}

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
    move(DesignFonts::twipsToPixels(m_state.config.Links), DesignFonts::twipsToPixels(m_state.config.Boven));
    m_state.DatabasePad = m_state.DataMap + m_state.config.BijStart;

    // The header is read only from a file that opens; when the trap passes
    // over a failure to open, the read fails as reading an unopened file does.
    const ErrorKind openError = openFailure(m_state.DatabasePad);
    if (openError != ErrorKind::None) {
        if (const std::optional<LoadOutcome> ended = trap(openError))
            return *ended;
    }
    const HeaderResult header = openError == ErrorKind::None
        ? testHeaderFile(m_state.DatabasePad)
        : HeaderResult{HeaderCheck::Failed, ErrorKind::BadFileNameOrNumber};
    switch (header.check) {
    case HeaderCheck::Matches:
        break;
    case HeaderCheck::WrongLayout:
        m_platform.showMessage(GlossaryMessages::wrongLayout(title));
        return LoadOutcome::EndAtOnce;
    case HeaderCheck::TooLarge:
        // No glossary is this large: it is broken, as one the loader cannot
        // read, and is not read at all.
        m_platform.showMessage(GlossaryMessages::loadFailed(title, m_state.DatabasePad));
        Form_Unload();
        return LoadOutcome::Unloaded;
    case HeaderCheck::Failed:
        if (const std::optional<LoadOutcome> ended = trap(header.error))
            return *ended;
        break;
    }

    m_platform.setWaitCursor(true);
    LoadResult load = LoadDatabaseFile(m_state.DatabasePad);
    m_platform.setWaitCursor(false);
    switch (load.status) {
    case LoadStatus::Loaded:
        break;
    case LoadStatus::OldFormat:
        m_platform.showMessage(GlossaryMessages::oldFormat(title));
        return LoadOutcome::EndAtOnce;
    case LoadStatus::WrongCount:
        m_platform.showMessage(GlossaryMessages::wrongCount(title));
        return LoadOutcome::EndAtOnce;
    case LoadStatus::Failed:
        m_platform.showMessage(GlossaryMessages::loadFailed(title, m_state.DatabasePad));
        Form_Unload();
        return LoadOutcome::Unloaded;
    }
    m_state.glossary = std::move(load.glossary);
    m_state.CurrRecord = m_state.glossary.startIndex();
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

std::optional<FrmHoofd::LoadOutcome> FrmHoofd::trap(ErrorKind error)
{
    const QString &title = m_state.ProgrammaTitel;
    switch (StartupTrap::reactionFor(error)) {
    case StartupTrap::Reaction::NextStep:
        return std::nullopt;
    case StartupTrap::Reaction::FirstTerm:
        selectListRow(0);
        return LoadOutcome::Show;
    case StartupTrap::Reaction::EndSilently:
        return LoadOutcome::Show;
    case StartupTrap::Reaction::FileNotFound:
        m_platform.showMessage(StartupTrap::fileNotFound(title, m_state.DatabasePad));
        Form_Unload();
        return LoadOutcome::Unloaded;
    case StartupTrap::Reaction::ReportAndUnload:
        m_platform.showMessage(StartupTrap::unforeseenFailure(title, error));
        m_platform.showMessage(StartupTrap::reportToMaker());
        Form_Unload();
        return LoadOutcome::Unloaded;
    }
    return std::nullopt;
}

void FrmHoofd::Form_Unload()
{
    // The window is unloaded once, whatever asks for it.
    if (m_unloaded)
        return;
    m_unloaded = true;

    const ProcessFacts &facts = m_facts;
    ConfigSave save;
    save.programFolder = facts.folder;
    save.DataMap = m_state.DataMap;
    save.exeName = facts.exeName;
    save.Gebruik = m_state.config.Gebruik;
    save.version = ProgramInfo::versionText(facts);
    // The outer frame's corner, where start-up puts it again.
    const QPoint corner = frameGeometry().topLeft();
    save.left = static_cast<float>(corner.x() * twipsPerPixel);
    save.top = static_cast<float>(corner.y() * twipsPerPixel);
    save.placeKnown = m_platform.placesWindows();
    // The program ends either way; a store that cannot be written keeps what
    // it had.
    SaveConfig(m_platform.settings(), save);
}

} // namespace Woord
