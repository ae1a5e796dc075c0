#include "platform/PrinterSurface.h"

#include <cmath>

namespace volvenza {

void PrinterSurface::Print(const QStringList& items) {
    const double zone = 14 * TextWidth(QStringLiteral("0"));
    double x = x_;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0 && zone > 0) x = (std::floor(x / zone) + 1) * zone;
        DrawText(x, y_, items[i]);
        x += TextWidth(items[i]);
    }
    x_ = 0;
    y_ += LineHeight();
}

}  // namespace volvenza
