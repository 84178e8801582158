#pragma once

#include <QString>

namespace Woord::StatusHelp {

// The status line text for a control of the main window, by its name, or an
// empty text for a control that leaves the status line as it is.
QString textFor(const QString &controlName);

} // namespace Woord::StatusHelp
