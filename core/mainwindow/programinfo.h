#pragma once

#include "core/platform/platform.h"

#include <QString>

namespace Woord::ProgramInfo {

// "Woordorakelaar v" with the major and minor version: the main window's title
// and the title of the program's messages.
QString programmaTitel(const ProcessFacts &facts);

// The program's folder with exactly one trailing native separator.
QString dataMap(const ProcessFacts &facts);

// major.minor.revision, as stored in the settings.
QString versionText(const ProcessFacts &facts);

} // namespace Woord::ProgramInfo
