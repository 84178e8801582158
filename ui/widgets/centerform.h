#pragma once

class QWidget;

namespace Woord {

// Moves a window to the middle of its screen; a window wider or taller than
// the screen gets a negative edge. Its size does not change.
void CenterForm(QWidget *form);

} // namespace Woord
