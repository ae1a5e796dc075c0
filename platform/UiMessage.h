#pragma once
// The libraries without Qt say what went wrong as typed messages; here they
// become text in the program's language, through the translation catalogue,
// with the language's decimal separator.

#include <QString>

#include "messages/Message.h"

namespace volvenza {

// The catalogue's lookup and the decimal separator of the current language.
Wording UiWording();

QString UiMessage(const Message& message);

}  // namespace volvenza
