#include "mainwindow/startup.h"

#include "glossary/glossarymessages.h"
#include "glossary/loader.h"
#include "mainwindow/frmhoofd.h"
#include "mainwindow/programinfo.h"

namespace Woord {

namespace {
constexpr int twipsPerPixel = 15;
}

bool startProgram(Platform &platform, AppState &state, FrmHoofd &window)
{
    if (!platform.claimSingleInstance())
        return false;

    const ProcessFacts facts = platform.processFacts();
    state.ProgrammaTitel = ProgramInfo::programmaTitel(facts);
    state.DataMap = ProgramInfo::dataMap(facts);
    for (const ConfigProblem &problem : Loadconfig(platform.settings(), facts.folder, state.config))
        platform.showMessage(loadconfigMessage(state.ProgrammaTitel, problem.error));
    window.move(state.config.Links / twipsPerPixel, state.config.Boven / twipsPerPixel);
    state.DatabasePad = state.DataMap + state.config.BijStart;

    const HeaderResult header = testHeaderFile(state.DatabasePad);
    if (header.check == HeaderCheck::WrongLayout) {
        platform.showMessage(GlossaryMessages::wrongLayout(state.ProgrammaTitel));
        return false;
    }

    platform.setWaitCursor(true);
    LoadResult load = LoadDatabaseFile(state.DatabasePad);
    platform.setWaitCursor(false);
    switch (load.status) {
    case LoadStatus::Loaded:
        break;
    case LoadStatus::OldFormat:
        platform.showMessage(GlossaryMessages::oldFormat(state.ProgrammaTitel));
        return false;
    case LoadStatus::WrongCount:
        platform.showMessage(GlossaryMessages::wrongCount(state.ProgrammaTitel));
        return false;
    case LoadStatus::Failed:
        platform.showMessage(GlossaryMessages::loadFailed(state.ProgrammaTitel, state.DatabasePad));
        unloadProgram(platform, state, window);
        return false;
    }
    state.glossary = std::move(load.glossary);
    state.CurrRecord = state.glossary.startIndex;
    window.showGlossary();
    return true;
}

void unloadProgram(Platform &platform, const AppState &state, const FrmHoofd &window)
{
    const ProcessFacts facts = platform.processFacts();
    ConfigSave save;
    save.programFolder = facts.folder;
    save.DataMap = state.DataMap;
    save.exeName = facts.exeName;
    save.Gebruik = state.config.Gebruik;
    save.version = ProgramInfo::versionText(facts);
    save.left = static_cast<float>(window.x() * twipsPerPixel);
    save.top = static_cast<float>(window.y() * twipsPerPixel);
    // The program ends either way; a store that cannot be written keeps what
    // it had.
    SaveConfig(platform.settings(), save);
}

} // namespace Woord
