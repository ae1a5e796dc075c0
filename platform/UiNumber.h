#pragma once
// Numbers shown to the user, with the decimal separator of the program's
// language: every window, table and printed page formats its numbers here.

#include <QString>

#include "numbers/NumberText.h"
#include "platform/Language.h"

namespace volvenza {

// Box form: 7 (single) or 15 (double) significant digits, no trailing zeros.
inline QString UiNumber(float value) {
    return QString::fromStdString(FormatNumber(value, UiDecimalSeparator()));
}
inline QString UiNumber(double value) {
    return QString::fromStdString(FormatNumber(value, UiDecimalSeparator()));
}
// Rounded half to even to `decimals`, no trailing zeros.
inline QString UiNumber(double value, int decimals) {
    return UiNumber(RoundHalfEven(value, decimals));
}
// Exactly `decimals` decimals.
inline QString UiFixed(double value, int decimals) {
    return QString::fromStdString(FormatFixed(value, decimals, UiDecimalSeparator()));
}

}  // namespace volvenza
