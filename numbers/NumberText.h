#pragma once
// Numbers as text: box text, numbers printed as
// numbers (text export, chart labels), the decimal-point form of the
// simulation file, fixed patterns, and rounding half to even. Everything here
// is independent of the C and C++ locales. Every form names its decimal
// separator: the windows pass the user's language's (platform/UiNumber.h),
// files keep theirs whatever the language.

#include <optional>
#include <string>
#include <string_view>

#include "numbers/Rounding.h"

namespace volvenza {

// With the decimal comma a typed "." becomes ","; with the decimal point a
// typed "," becomes ".". Every other character passes unchanged.
char32_t FilterDecimalKey(char32_t c, char separator = ',');

// True for the period key of the main keyboard (virtual key 190) and the
// decimal key of the numeric keypad (110), the keys that trigger the warning.
bool IsDecimalPointKey(int virtualKey);

// Box text to a number: blanks around, an optional sign, digits with at most
// one decimal separator ("," or a single "."), and an optional exponent.
// Empty or malformed text gives nothing.
// ParseNumber<float> rounds to single precision; ParseNumber<double> keeps
// double precision (the movement flow).
template <typename T>
std::optional<T> ParseNumber(std::string_view text);

// The same with the decimal point (the simulation file's form). A value too
// small for the type is zero, keeping its sign; the largest finite value as
// the forms below write it reads back as that value even where the written
// digits round up past it. Other values out of range, and the spellings of
// the non-finite values, give nothing.
template <typename T>
std::optional<T> ParseDecimal(std::string_view text);

// Text without the blanks (spaces and tabs) around it.
std::string_view TrimBlanks(std::string_view text);

// Every form below writes a value that is not a number as "nan" and the
// infinities as "inf" and "-inf".

// Box text: no grouping, no trailing zeros, 7 (single) or 15 (double)
// significant digits; exponent form where %G would use it.
std::string FormatNumber(float value, char separator);
std::string FormatNumber(double value, char separator);

// General form with the given significant digits and separator; exponent
// form below 1E-4 and from 1E+digits on; the zero before the separator is
// written only when keepLeadingZero is set. Negative zero is written 0.
std::string FormatGeneral(double value, int digits, char separator, bool keepLeadingZero);

// Simulation-file form: decimal point, no zero before it below 1.
std::string FormatFileNumber(float value);
std::string FormatFileNumber(double value);

// A number printed as a number: a sign position (blank or "-"), the value
// with no zero before the separator below 1, then one blank.
std::string FormatPrintedNumber(double value, char separator);

// Fixed patterns "###0.0" (decimals 1) and "###0.0000" (decimals 4): at least
// one integer digit, exactly that many decimals, no grouping.
std::string FormatFixed(double value, int decimals, char separator);

}  // namespace volvenza
