#pragma once
// Floating-point numbers to and from text as std::to_chars and
// std::from_chars give them, on every standard library. Where the library
// has no floating-point to_chars/from_chars (the browser build's), the same
// text comes from snprintf and strtod, checked to read back; the build option
// VOLVENZA_NUMBER_FALLBACK uses that way everywhere, for testing it.

#include <charconv>
#include <string>
#include <system_error>

namespace volvenza {

// std::to_chars(first, last, value): the fewest characters that read back
// as the value, fixed or scientific.
std::string ShortestText(double value);
std::string ShortestText(float value);

// std::to_chars with chars_format::general (fixed = false) or
// chars_format::fixed and a precision: printf's %.*g or %.*f in the C locale.
std::string PrecisionText(double value, bool fixed, int precision);

// std::from_chars(first, last, value) with chars_format::general: the
// value is left alone unless ec is errc().
struct FloatRead {
    const char* ptr;
    std::errc ec;
};
FloatRead ReadFloat(const char* first, const char* last, float& value);
FloatRead ReadFloat(const char* first, const char* last, double& value);
FloatRead ReadFloat(const char* first, const char* last, long double& value);

// The snprintf/strtod way itself, whatever the library has.
namespace fallback {
std::string ShortestText(double value);
std::string ShortestText(float value);
std::string PrecisionText(double value, bool fixed, int precision);
FloatRead ReadFloat(const char* first, const char* last, float& value);
FloatRead ReadFloat(const char* first, const char* last, double& value);
FloatRead ReadFloat(const char* first, const char* last, long double& value);
}  // namespace fallback

}  // namespace volvenza
