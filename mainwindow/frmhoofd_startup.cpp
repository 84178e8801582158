// Start-up and shut-down of the program. Start-up runs its steps in order
// under one trap: a step that fails reports the kind of its failure, and the
// trap reacts by that kind (go on, fall back to the first term, or report and
// unload). Unloading the main window always stores the settings.

#include "mainwindow/frmhoofd.h"

#include "glossary/glossarymessages.h"
#include "glossary/loader.h"
#include "mainwindow/designfonts.h"
#include "mainwindow/display.h"
#include "mainwindow/programinfo.h"
#include "mainwindow/startuptrap.h"

#include <QLabel>
#include <QScrollBar>

#include <functional>

namespace Woord {

namespace {
constexpr int twipsPerPixel = 15;
}

FrmHoofd::LoadOutcome FrmHoofd::Form_Load()
{
    if (!m_platform.claimSingleInstance())
        return LoadOutcome::EndAtOnce;

    m_facts = m_platform.processFacts();
    const ProcessFacts &facts = m_facts;
    const QString &title = m_state.ProgrammaTitel;
    bool glossaryOpened = false;
    std::optional<LoadOutcome> ended;

    // Each step returns the kind of its failure, ErrorKind::None when it went
    // well; a step that ends the program itself sets `ended`.
    const std::function<ErrorKind()> steps[] = {
        [&] {
            m_state.ProgrammaTitel = ProgramInfo::programmaTitel(facts);
            return ErrorKind::None;
        },
        [&] {
            m_state.DataMap = ProgramInfo::dataMap(facts);
            return ErrorKind::None;
        },
        [&] {
            for (const ConfigProblem &problem : Loadconfig(m_platform.settings(), facts.folder, m_state.config))
                m_platform.showMessage(loadconfigMessage(title, problem.error));
            return ErrorKind::None;
        },
        [&] {
            Lbl_StatusHelp->setText(title);
            return ErrorKind::None;
        },
        [&] {
            // The outer frame's corner, as shut-down stores it; the window is
            // not made yet, so the window manager puts the frame there. No
            // bounds: a stored place off the screen is used as it is.
            move(DesignFonts::twipsToPixels(m_state.config.Links), DesignFonts::twipsToPixels(m_state.config.Boven));
            return ErrorKind::None;
        },
        [&] {
            m_state.DatabasePad = m_state.DataMap + m_state.config.BijStart;
            return ErrorKind::None;
        },
        [&] {
            const ErrorKind error = openFailure(m_state.DatabasePad);
            glossaryOpened = error == ErrorKind::None;
            return error;
        },
        [&] {
            if (!glossaryOpened)
                return ErrorKind::BadFileNameOrNumber;
            const HeaderResult header = testHeaderFile(m_state.DatabasePad);
            if (header.check == HeaderCheck::WrongLayout) {
                m_platform.showMessage(GlossaryMessages::wrongLayout(title));
                ended = LoadOutcome::EndAtOnce;
            } else if (header.check == HeaderCheck::TooLarge) {
                // No glossary is this large: it is broken, as one the loader
                // cannot read, and is not read at all.
                m_platform.showMessage(GlossaryMessages::loadFailed(title, m_state.DatabasePad));
                Form_Unload();
                ended = LoadOutcome::Unloaded;
            }
            return header.error;
        },
        [&] {
            m_platform.setWaitCursor(true);
            LoadResult load = LoadDatabaseFile(m_state.DatabasePad);
            m_platform.setWaitCursor(false);
            switch (load.status) {
            case LoadStatus::Loaded:
                m_state.glossary = std::move(load.glossary);
                m_state.CurrRecord = m_state.glossary.startIndex();
                m_model.reload();
                m_search.emplace(m_state.glossary);
                break;
            case LoadStatus::OldFormat:
                m_platform.showMessage(GlossaryMessages::oldFormat(title));
                ended = LoadOutcome::EndAtOnce;
                break;
            case LoadStatus::WrongCount:
                m_platform.showMessage(GlossaryMessages::wrongCount(title));
                ended = LoadOutcome::EndAtOnce;
                break;
            case LoadStatus::Failed:
                m_platform.showMessage(GlossaryMessages::loadFailed(title, m_state.DatabasePad));
                Form_Unload();
                ended = LoadOutcome::Unloaded;
                break;
            }
            return ErrorKind::None;
        },
        [&] {
            const int seconds = m_platform.timeOfDay().msecsSinceStartOfDay() / 1000;
            const int row = Display::firstTermRow(seconds, m_state.glossary.AantalBegrippen());
            if (row >= 0)
                selectListRow(row);
            return ErrorKind::None;
        },
        [&] {
            ShowRecord();
            return ErrorKind::None;
        },
        [&] {
            SyncListIndex();
            return ErrorKind::None;
        },
        [&] {
            setWindowTitle(title);
            return ErrorKind::None;
        },
        [&] {
            EnableRecordLabels(true);
            return ErrorKind::None;
        },
        [&] {
            // An empty glossary has no entry to put the scroll bar on.
            if (m_state.glossary.AantalBegrippen() > 0)
                HScroll_Record->setValue(m_state.CurrRecord);
            return ErrorKind::None;
        },
    };

    for (const auto &step : steps) {
        const ErrorKind error = step();
        if (ended)
            return *ended;
        if (error == ErrorKind::None)
            continue;
        switch (StartupTrap::reactionFor(error)) {
        case StartupTrap::Reaction::NextStep:
            continue;
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
    }
    return LoadOutcome::Show;
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
    // The program ends either way; a store that cannot be written keeps what
    // it had.
    SaveConfig(m_platform.settings(), save);
}

} // namespace Woord
