#pragma once

#include "core/glossary/errorkind.h"
#include "core/platform/platform.h"

#include <QList>
#include <QString>

namespace Woord {

// The values read from the settings store at start-up. A value whose reading
// failed keeps its initial value.
struct ConfigValues {
    qint16 Gebruik = 0;
    qint16 Links = 0;
    qint16 Boven = 0;
    QString BijStart;
};

// A step of Loadconfig that failed; reading went on after it.
struct ConfigProblem {
    QString key;
    ErrorKind error = ErrorKind::None;
};

// What SaveConfig writes at shut-down.
struct ConfigSave {
    QString programFolder; // as the platform reports it
    QString DataMap;
    QString exeName;
    qint16 Gebruik = 0; // as read at start-up; stored one higher
    QString version; // major.minor.revision
    float left = 0; // the main window's edges, in twips
    float top = 0;
    // False where the platform neither tells nor lets the program choose where
    // its window stands (a Wayland desktop): the stored place stays as it was.
    bool placeKnown = true;
};

inline constexpr char16_t defaultBijStart[] = u"woordorakelaar.wod";

// Reads "mapnaam", "gebruik", "links", "boven" and "bijstart", in that order.
// Returns the failed steps that the user is to be told of; an overflow is
// skipped silently and is not among them.
QList<ConfigProblem> Loadconfig(SettingsStore &store, const QString &programFolder, ConfigValues &values);

// The glossary's file name, "bijstart", read on its own: the name Loadconfig
// reads.
QString readBijStart(SettingsStore &store);

// The message for a failed Loadconfig step.
Message loadconfigMessage(const QString &title, ErrorKind error);

// Writes "mapnaam", "datamap", "exenaam", "gebruik", "versie", "links" and
// "boven" (the last two only where the place is known), and stores them all
// at once. Returns false when they could not be
// stored; the store keeps what it had.
bool SaveConfig(SettingsStore &store, const ConfigSave &save);

} // namespace Woord
