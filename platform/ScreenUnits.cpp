#include "platform/ScreenUnits.h"

#include <cmath>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace volvenza {

double TwipsPerPixel(const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int TwipsToPixels(double twips, const QWidget* widget) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel(widget)));
}

double PixelsToTwips(int pixels, const QWidget* widget) {
    return pixels * TwipsPerPixel(widget);
}

QRect TwipsRect(int left, int top, int width, int height, const QWidget* widget) {
    return {TwipsToPixels(left, widget), TwipsToPixels(top, widget), TwipsToPixels(width, widget),
            TwipsToPixels(height, widget)};
}

}  // namespace volvenza
