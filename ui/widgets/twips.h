#pragma once

#include <QRect>

#include <cmath>

// Places and sizes are given in twips, as the windows were laid out: 15 twips
// to the pixel at 96 dots per inch.
namespace Woord::Twips {

inline constexpr int perPixel = 15;

inline int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / perPixel));
}

inline QRect toPixels(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline float fromPixels(int pixels)
{
    return static_cast<float>(pixels * perPixel);
}

} // namespace Woord::Twips
