#pragma once

#include <functional>

class QWidget;

namespace Woord {

// F1 in `window` calls `help`, whatever Shift, Ctrl or Alt are held, and
// before the control with the focus sees the key.
void addHelpKey(QWidget *window, std::function<void()> help);

} // namespace Woord
