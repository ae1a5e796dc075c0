#include "numbers/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace volvenza {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the box grammar and rewrites the text as plain ASCII with a
// decimal point, ready for from_chars (which takes no "+" and no blanks).
std::optional<std::string> Normalise(std::string_view text) {
    size_t b = 0;
    size_t e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    std::string out;
    size_t i = b;
    if (i < e && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') out += '-';
        ++i;
    }
    int digits = 0;
    int separators = 0;
    for (; i < e; ++i) {
        char c = text[i];
        if (IsDigit(c)) {
            out += c;
            ++digits;
        } else if (c == ',' || c == '.') {
            if (separators > 0) return std::nullopt;  // two separators, or "." and ","
            ++separators;
            out += '.';
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < e) {
        if (text[i] != 'E' && text[i] != 'e') return std::nullopt;
        out += 'e';
        ++i;
        if (i < e && (text[i] == '+' || text[i] == '-')) {
            out += text[i];
            ++i;
        }
        int expDigits = 0;
        for (; i < e && IsDigit(text[i]); ++i) {
            out += text[i];
            ++expDigits;
        }
        if (expDigits == 0 || i != e) return std::nullopt;
    }
    return out;
}

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
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    return std::nullopt;
}

}  // namespace

char32_t FilterDecimalKey(char32_t c) {
    return c == U'.' ? U',' : c;
}

bool IsDecimalPointKey(int virtualKey) {
    return virtualKey == 190 || virtualKey == 110;
}

template <typename T>
std::optional<T> ParsePlainNumber(std::string_view text) {
    if (text.empty()) return std::nullopt;
    const char* first = text.data();
    const char* last = first + text.size();
    T value{};
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ptr != last) return std::nullopt;
    if (ec == std::errc()) {
        if (!std::isfinite(value)) return std::nullopt;
        return value;
    }
    if (ec != std::errc::result_out_of_range) return std::nullopt;
    // Out of the type's range: read wider to tell a value too small for the
    // type (zero) from one too large (the largest as written, or nothing).
    long double wide = 0;
    auto [widePtr, wideEc] = std::from_chars(first, last, wide);
    if (wideEc != std::errc() || widePtr != last) return std::nullopt;
    const T sign = text.front() == '-' ? T(-1) : T(1);
    if (std::fabs(wide) < 1) return sign * T(0);
    if (std::fabs(wide) <= kLargestWritten<T>) return sign * std::numeric_limits<T>::max();
    return std::nullopt;
}
template std::optional<float> ParsePlainNumber<float>(std::string_view);
template std::optional<double> ParsePlainNumber<double>(std::string_view);

template <typename T>
std::optional<T> ParseNumber(std::string_view text) {
    std::optional<std::string> ascii = Normalise(text);
    if (!ascii) return std::nullopt;
    return ParsePlainNumber<T>(*ascii);
}
template std::optional<float> ParseNumber<float>(std::string_view);
template std::optional<double> ParseNumber<double>(std::string_view);

std::string FormatGeneral(double value, int digits, char separator, bool keepLeadingZero) {
    if (auto text = NonFiniteText(value)) return *text;
    if (value == 0) return "0";
    std::array<char, 64> buf{};
    auto [ptr, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::general, digits);
    if (ec != std::errc()) return "0";
    std::string out(buf.data(), ptr);
    for (char& c : out) {
        if (c == '.') c = separator;
        if (c == 'e') c = 'E';
    }
    if (!keepLeadingZero) {
        size_t zero = out[0] == '-' ? 1 : 0;
        if (out.size() > zero + 1 && out[zero] == '0' && out[zero + 1] == separator) {
            out.erase(zero, 1);
        }
    }
    return out;
}

std::string FormatNumber(float value) {
    return FormatGeneral(value, 7, ',', true);
}
std::string FormatNumber(double value) {
    return FormatGeneral(value, 15, ',', true);
}

std::string FormatFileNumber(float value) {
    return FormatGeneral(value, 7, '.', false);
}
std::string FormatFileNumber(double value) {
    return FormatGeneral(value, 15, '.', false);
}

std::string FormatPrintedNumber(double value) {
    std::string digits = FormatGeneral(value, 15, ',', false);
    if (digits[0] == '-') return digits + ' ';
    return ' ' + digits + ' ';
}

std::string FormatFixed(double value, int decimals) {
    if (auto text = NonFiniteText(value)) return *text;
    double rounded = RoundHalfEven(value, decimals);
    std::array<char, 400> buf{};
    auto [ptr, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), rounded,
                                   std::chars_format::fixed, decimals);
    if (ec != std::errc()) return "0";
    std::string out(buf.data(), ptr);
    for (char& c : out) {
        if (c == '.') c = ',';
    }
    return out;
}

}  // namespace volvenza
