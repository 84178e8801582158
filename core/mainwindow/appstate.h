#pragma once

#include "core/glossary/glossary.h"
#include "core/settings/config.h"

#include <QString>

namespace Woord {

// The state the windows share: the loaded glossary, the current entry, the
// program's title and folder, and what was read from the settings. main.cpp
// owns the one instance and hands it to the windows.
struct AppState {
    Glossary glossary;
    qint32 CurrRecord = 0;
    QString ProgrammaTitel;
    QString DataMap;
    QString DatabasePad;
    ConfigValues config;
};

} // namespace Woord
