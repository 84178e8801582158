#pragma once

#include <QString>

namespace Woord {

// The text of a message as a message box shows it: CR LF line breaks become
// the toolkit's, and a line no screen can show (a path far longer than any
// system allows, say) is shortened to its two ends, since laying it out whole
// would keep the program busy for seconds. Realistic texts pass unchanged.
QString messageDisplayText(const QString &text);

inline constexpr qsizetype longestMessageLine = 2000;

} // namespace Woord
