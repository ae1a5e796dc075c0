#include "numbers/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <system_error>

#include "numbers/FloatChars.h"

namespace volvenza {
namespace {

// The largest finite value as the forms write it. Fifteen digits round the
// largest double up past it (1.79769313486232E+308), so that text must read
// back as the largest double; seven digits round the largest float down.
template <typename T>
constexpr long double kLargestWritten = std::numeric_limits<T>::max();
template <>
constexpr long double kLargestWritten<double> = 1.79769313486232e308L;

// A value that is not a number, or is infinite, is written as such, never as
// a plausible number; NaN loses the sign that some operations give it.
std::optional<std::string> NonFiniteText(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return std::signbit(value) ? "-inf" : "inf";
    return std::nullopt;
}

}  // namespace

char32_t FilterDecimalKey(char32_t c, char separator) {
    if (separator == '.') return c == U',' ? U'.' : c;
    return c == U'.' ? U',' : c;
}

bool IsDecimalPointKey(int virtualKey) {
    return virtualKey == 190 || virtualKey == 110;
}

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

template <typename T>
std::optional<T> ParseDecimal(std::string_view text) {
    text = TrimBlanks(text);
    // from_chars takes a "-" but no "+"; "+-5" stays refused.
    if (text.starts_with('+') && !text.starts_with("+-")) text.remove_prefix(1);
    const char* first = text.data();
    const char* last = first + text.size();
    T value{};
    auto [ptr, ec] = ReadFloat(first, last, value);
    if (ptr != last) return std::nullopt;
    if (ec == std::errc()) return std::isfinite(value) ? std::optional<T>(value) : std::nullopt;
    if (ec != std::errc::result_out_of_range) return std::nullopt;
    // Out of the type's range: read wider to tell a value too small for the
    // type (zero) from one too large (the largest as written, or nothing).
    long double wide{};
    if (ReadFloat(first, last, wide).ec != std::errc()) return std::nullopt;
    const T sign = text.starts_with('-') ? T(-1) : T(1);
    // Out of range is either below the smallest or above the largest value;
    // any bound between tells them apart.
    if (std::fabs(wide) < 1) return sign * T(0);
    if (std::fabs(wide) <= kLargestWritten<T>) return sign * std::numeric_limits<T>::max();
    return std::nullopt;
}
template std::optional<float> ParseDecimal<float>(std::string_view);
template std::optional<double> ParseDecimal<double>(std::string_view);

template <typename T>
std::optional<T> ParseNumber(std::string_view text) {
    // The box's decimal comma, or a pasted point, is the point from_chars reads.
    std::string ascii(text);
    std::replace(ascii.begin(), ascii.end(), ',', '.');
    return ParseDecimal<T>(ascii);
}
template std::optional<float> ParseNumber<float>(std::string_view);
template std::optional<double> ParseNumber<double>(std::string_view);

std::string FormatGeneral(double value, int digits, char separator, bool keepLeadingZero) {
    if (auto text = NonFiniteText(value)) return *text;
    if (value == 0) return "0";
    std::string out = PrecisionText(value, false, digits);
    if (out.empty()) return "0";
    for (char& c : out) {
        if (c == '.') c = separator;
        if (c == 'e') c = 'E';
    }
    if (!keepLeadingZero) {
        const size_t zero = out[0] == '-' ? 1 : 0;
        if (out.compare(zero, 2, std::string{'0', separator}) == 0) out.erase(zero, 1);
    }
    return out;
}

std::string FormatNumber(float value, char separator) {
    return FormatGeneral(value, 7, separator, true);
}
std::string FormatNumber(double value, char separator) {
    return FormatGeneral(value, 15, separator, true);
}

std::string FormatFileNumber(float value) {
    return FormatGeneral(value, 7, '.', false);
}
std::string FormatFileNumber(double value) {
    return FormatGeneral(value, 15, '.', false);
}

std::string FormatPrintedNumber(double value, char separator) {
    std::string digits = FormatGeneral(value, 15, separator, false);
    if (digits[0] == '-') return digits + ' ';
    return ' ' + digits + ' ';
}

std::string FormatFixed(double value, int decimals, char separator) {
    if (auto text = NonFiniteText(value)) return *text;
    double rounded = RoundHalfEven(value, decimals);
    std::string out = PrecisionText(rounded, true, decimals);
    if (out.empty()) return "0";
    for (char& c : out) {
        if (c == '.') c = separator;
    }
    return out;
}

}  // namespace volvenza
