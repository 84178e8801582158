#pragma once

#include "core/glossary/errorkind.h"

#include <QString>

// Turning stored setting texts into the program's values and back.
namespace Woord::SettingsConversion {

struct Int16Result {
    qint16 value = 0;
    ErrorKind error = ErrorKind::None;
};

// A stored text as a 16-bit whole number: a fraction rounds to the nearest
// whole number (ties to even); a number outside -32768..32767 is an Overflow;
// text that is no number (an empty text too) is a TypeMismatch. Surrounding
// spaces are allowed; the decimal sign is a point, whatever the locale.
Int16Result toInt16(const QString &text);

// The usage count to store at shut-down: one more, but 32767 stays 32767.
qint16 nextUsageCount(qint16 gebruik);

// A window edge in twips, written as a single-precision number.
QString twipsText(float twips);

// The folder with exactly one trailing separator.
QString withTrailingSeparator(const QString &folder, QChar separator);

} // namespace Woord::SettingsConversion
