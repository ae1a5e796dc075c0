#pragma once
// Window geometry is given in twips: 1440 to the inch, so 15 to a pixel at
// 96 dots per inch.

#include <QRect>

class QWidget;

namespace volvenza {

// Twips per pixel on the screen that shows `widget` (or the primary screen).
double TwipsPerPixel(const QWidget* widget = nullptr);

int TwipsToPixels(double twips, const QWidget* widget = nullptr);
double PixelsToTwips(int pixels, const QWidget* widget = nullptr);

// A design rectangle (left, top, width, height in twips) in pixels.
QRect TwipsRect(int left, int top, int width, int height, const QWidget* widget = nullptr);

}  // namespace volvenza
