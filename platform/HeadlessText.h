#pragma once
// The messages of the libraries without Qt (the simulation's checks, the gas
// laws, the files, the gas-model boxes) are written in Italian. They are
// translated here, where they reach a window: each message of those
// libraries is listed in HeadlessText.cpp as a pattern, its variable parts
// as %1, %2...; the parts are translated in turn (a message may carry
// another) and numbers among them take the language's decimal separator.

#include <string>

#include <QString>

namespace volvenza {

// The message in the program's language; a message not in the list comes
// back as it is.
QString HeadlessText(const std::string& italian);

}  // namespace volvenza
