#include "numbers/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
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
// Also reports whether the exponent is negative, to tell underflow from
// overflow later.
std::optional<std::string> Normalise(std::string_view text, bool& negativeExponent) {
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
    char separatorSeen = 0;
    for (; i < e; ++i) {
        char c = text[i];
        if (IsDigit(c)) {
            out += c;
            ++digits;
        } else if (c == ',' || c == '.') {
            if (separators > 0) return std::nullopt;  // two separators, or "." and ","
            separatorSeen = c;
            ++separators;
            out += '.';
        } else {
            break;
        }
    }
    (void)separatorSeen;
    if (digits == 0) return std::nullopt;
    negativeExponent = false;
    if (i < e) {
        if (text[i] != 'E' && text[i] != 'e') return std::nullopt;
        out += 'e';
        ++i;
        if (i < e && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
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

template <typename T>
std::optional<T> ParseAs(std::string_view text) {
    bool negativeExponent = false;
    std::optional<std::string> ascii = Normalise(text, negativeExponent);
    if (!ascii) return std::nullopt;
    T value{};
    const char* first = ascii->data();
    const char* last = first + ascii->size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range && negativeExponent) {
        // Too small for the type: it is zero, keeping its sign.
        return (*ascii)[0] == '-' ? -T(0) : T(0);
    }
    if (ec != std::errc() || ptr != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

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
std::optional<T> ParseNumber(std::string_view text) {
    return ParseAs<T>(text);
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
