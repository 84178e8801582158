#pragma once

#include <QFont>
#include <QRect>

// The windows are laid out for Tahoma, Arial, MS Sans Serif and Courier New.
// Where those are missing, metric-compatible look-alikes stand in, so that
// texts fit their boxes as laid out.
namespace Woord::DesignFonts {

// Registers the look-alikes that are needed; call once, after the
// application object exists.
void install();

QFont font(const QString &family, double points, bool bold = false);
QFont tahoma(double points, bool bold = false);

// A place and size in twips as pixels: 15 twips to the pixel.
QRect twips(int left, int top, int width, int height);
int twipsToPixels(double twips);

} // namespace Woord::DesignFonts
