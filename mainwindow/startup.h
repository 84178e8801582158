#pragma once

#include "mainwindow/appstate.h"
#include "platform/platform.h"

namespace Woord {

class FrmHoofd;

// Brings the program up: single instance, title and folder, settings, the
// glossary's header and the load. Returns true when the main window is to be
// shown; false when the program has ended (with or without saving).
bool startProgram(Platform &platform, AppState &state, FrmHoofd &window);

// The main window's unload handling: stores the settings.
void unloadProgram(Platform &platform, const AppState &state, const FrmHoofd &window);

} // namespace Woord
