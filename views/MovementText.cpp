#include "views/MovementText.h"

#include <QCoreApplication>

#include "messages/WindowWords.h"
#include "numbers/NumberText.h"
#include "platform/Language.h"

namespace volvenza {

QString KindTitle(int16_t kind) {
    const char* source = KindTitleSource(kind);
    if (source == nullptr) return QString::number(kind);
    return QCoreApplication::translate(kKindsContext, source);
}

QString MovementNumber(float value) {
    return QString::fromStdString(FormatNumber(value, UiDecimalSeparator()));
}

QString MovementNumber(double value) {
    return QString::fromStdString(FormatNumber(value, UiDecimalSeparator()));
}

}  // namespace volvenza
