#pragma once

#include <QString>

namespace Woord::StatusHelp {

// The status line text for a control of the main window, by its name, or an
// empty text for a control that leaves the status line as it is.
QString textFor(const QString &controlName);

// The same text with the given term in place of "<Begrip>", as it reads for
// the term on display.
QString textFor(const QString &controlName, const QString &term);

} // namespace Woord::StatusHelp
