#pragma once

#include <QColor>
#include <QString>

class QLabel;

namespace Woord::Text3D {

enum Style : qint16 {
    Raised = 1,
    Sunken = 2,
};

// Gives the main label a raised or sunken look: the shadow label becomes a
// grey copy and the highlight label a white copy of its text, both
// transparent, behind it and offset by depth pixels (for any other style they
// keep their places). An empty text keeps the main label's own. The labels
// are hidden while they are rearranged, so no step in between is seen.
void Apply3DEffect(QLabel *mainLabel, QLabel *shadowLabel, QLabel *highlightLabel, const QString &text, qint16 style,
                   const QColor &textColour, qint16 depth);

} // namespace Woord::Text3D
