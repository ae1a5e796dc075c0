#include "platform/UiMessage.h"

#include <QCoreApplication>

#include "platform/Language.h"

namespace volvenza {

Wording UiWording() {
    return Wording{[](const char* context, const char* italian) {
                       return QCoreApplication::translate(context, italian).toStdString();
                   },
                   UiDecimalSeparator()};
}

QString UiMessage(const Message& message) {
    return QString::fromStdString(MessageText(message, UiWording()));
}

}  // namespace volvenza
