#include "numbers/FloatChars.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

// Floating-point to_chars and from_chars came late to some standard
// libraries; a build may also ask for the fallback to test it.
#if defined(__cpp_lib_to_chars) && !defined(VOLVENZA_NUMBER_FALLBACK)
#define VOLVENZA_STD_CHARS 1
#else
#define VOLVENZA_STD_CHARS 0
#endif

namespace volvenza {
namespace fallback {
namespace {

// printf and strtod follow LC_NUMERIC, which a windowed program may have
// set from the environment: their decimal point is the locale's.
const char* LocalePoint() {
    const char* point = std::localeconv()->decimal_point;
    return point != nullptr && *point != '\0' ? point : ".";
}

std::string Printed(const char* format, int precision, double value) {
    char buffer[512];
    const int n = std::snprintf(buffer, sizeof buffer, format, precision, value);
    std::string text(buffer, static_cast<size_t>(n < 0 ? 0 : n));
    const std::string point = LocalePoint();
    if (point != ".") {
        if (const size_t at = text.find(point); at != std::string::npos) {
            text.replace(at, point.size(), ".");
        }
    }
    return text;
}

bool Digit(char c) {
    return c >= '0' && c <= '9';
}

// The word, in any case, at [p, last).
bool Word(const char* p, const char* last, const char* word) {
    const size_t n = std::strlen(word);
    if (static_cast<size_t>(last - p) < n) return false;
    for (size_t i = 0; i < n; ++i) {
        if ((p[i] | 0x20) != word[i]) return false;
    }
    return true;
}

float Convert(const char* text, char** end, float) {
    return std::strtof(text, end);
}
double Convert(const char* text, char** end, double) {
    return std::strtod(text, end);
}
long double Convert(const char* text, char** end, long double) {
    return std::strtold(text, end);
}

template <typename T>
FloatRead Read(const char* first, const char* last, T& value) {
    const char* p = first;
    const bool negative = p < last && *p == '-';
    if (negative) ++p;
    if (Word(p, last, "inf")) {
        value = negative ? -std::numeric_limits<T>::infinity() : std::numeric_limits<T>::infinity();
        return {p + (Word(p, last, "infinity") ? 8 : 3), std::errc()};
    }
    if (Word(p, last, "nan")) {
        const char* end = p + 3;
        if (end < last && *end == '(') {
            const char* q = end + 1;
            while (q < last &&
                   (Digit(*q) || *q == '_' || ((*q | 0x20) >= 'a' && (*q | 0x20) <= 'z')))
                ++q;
            if (q < last && *q == ')') end = q + 1;
        }
        const T nan = std::numeric_limits<T>::quiet_NaN();
        value = negative ? -nan : nan;
        return {end, std::errc()};
    }
    // Digits with at most one point, then an exponent only when it is whole.
    const char* q = p;
    size_t digits = 0;
    for (; q < last && Digit(*q); ++q) ++digits;
    if (q < last && *q == '.') {
        for (++q; q < last && Digit(*q); ++q) ++digits;
    }
    if (digits == 0) return {first, std::errc::invalid_argument};
    if (q < last && (*q == 'e' || *q == 'E')) {
        const char* e = q + 1;
        if (e < last && (*e == '+' || *e == '-')) ++e;
        if (e < last && Digit(*e)) {
            while (e < last && Digit(*e)) ++e;
            q = e;
        }
    }
    std::string text(first, q);
    const std::string point = LocalePoint();
    if (const size_t at = text.find('.'); at != std::string::npos && point != ".") {
        text.replace(at, 1, point);
    }
    errno = 0;
    char* end = nullptr;
    const T read = Convert(text.c_str(), &end, T{});
    // Too large, or too small to be anything but zero: out of range. A
    // subnormal result is a value.
    if (errno == ERANGE && (std::isinf(read) || read == 0)) {
        return {q, std::errc::result_out_of_range};
    }
    value = read;
    return {q, std::errc()};
}

template <typename T>
bool ReadsBack(const std::string& text, T value) {
    T back{};
    return Read(text.data(), text.data() + text.size(), back).ec == std::errc() && back == value;
}

template <typename T>
std::string Shortest(T value) {
    if (!std::isfinite(value)) return Printed("%.*g", 0, static_cast<double>(value));
    if (value == 0) return std::signbit(value) ? "-0" : "0";
    const bool negative = value < 0;
    const T magnitude = std::fabs(value);
    constexpr int kMost = std::numeric_limits<T>::max_digits10;
    std::string digits;
    int exponent = 0;
    for (int n = 1; n <= kMost && digits.empty(); ++n) {
        // The n digits nearest the value, and on the side where the value's
        // neighbour is nearer (the bottom of a binade) the next ones up.
        const std::string sci = Printed("%.*e", n - 1, static_cast<double>(magnitude));
        const size_t e = sci.find('e');
        std::string mantissa = sci.substr(0, 1) + (n > 1 ? sci.substr(2, e - 2) : "");
        int exp = std::atoi(sci.c_str() + e + 1);
        auto text = [](const std::string& m, int x) {
            return m.substr(0, 1) + "." + m.substr(1) + "e" + std::to_string(x);
        };
        T back{};
        const std::string nearest = text(mantissa, exp);
        Read(nearest.data(), nearest.data() + nearest.size(), back);
        if (back == magnitude) {
            digits = mantissa;
            exponent = exp;
        } else if (back < magnitude) {
            size_t i = mantissa.size();
            while (i > 0 && mantissa[i - 1] == '9') mantissa[--i] = '0';
            if (i == 0) {
                mantissa = "1" + mantissa.substr(0, mantissa.size() - 1);
                ++exp;
            } else {
                ++mantissa[i - 1];
            }
            if (ReadsBack(text(mantissa, exp), magnitude)) {
                digits = mantissa;
                exponent = exp;
            }
        }
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int count = static_cast<int>(digits.size());
    std::string scientific = digits.substr(0, 1);
    if (count > 1) scientific += "." + digits.substr(1);
    const int shown = std::abs(exponent);
    scientific +=
        std::string(exponent < 0 ? "e-" : "e+") + (shown < 10 ? "0" : "") + std::to_string(shown);
    std::string fixed;
    if (exponent < 0) {
        fixed = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    } else if (exponent + 1 < count) {
        fixed = digits.substr(0, static_cast<size_t>(exponent) + 1) + "." +
                digits.substr(static_cast<size_t>(exponent) + 1);
    } else {
        // Every whole number of that length reads back alike: the exact one
        // is the nearest.
        fixed = Printed("%.*f", 0, static_cast<double>(magnitude));
    }
    const std::string& text = fixed.size() <= scientific.size() ? fixed : scientific;
    return negative ? "-" + text : text;
}

}  // namespace

std::string ShortestText(double value) {
    return Shortest(value);
}
std::string ShortestText(float value) {
    return Shortest(value);
}
std::string PrecisionText(double value, bool fixed, int precision) {
    return Printed(fixed ? "%.*f" : "%.*g", precision, value);
}
FloatRead ReadFloat(const char* first, const char* last, float& value) {
    return Read(first, last, value);
}
FloatRead ReadFloat(const char* first, const char* last, double& value) {
    return Read(first, last, value);
}
FloatRead ReadFloat(const char* first, const char* last, long double& value) {
    return Read(first, last, value);
}

}  // namespace fallback

#if VOLVENZA_STD_CHARS

namespace {

template <typename T>
std::string Shortest(T value) {
    char buffer[64];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

template <typename T>
FloatRead Read(const char* first, const char* last, T& value) {
    const auto [ptr, ec] = std::from_chars(first, last, value);
    return {ptr, ec};
}

}  // namespace

std::string ShortestText(double value) {
    return Shortest(value);
}
std::string ShortestText(float value) {
    return Shortest(value);
}
std::string PrecisionText(double value, bool fixed, int precision) {
    char buffer[512];
    const auto format = fixed ? std::chars_format::fixed : std::chars_format::general;
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return ec == std::errc() ? std::string(buffer, ptr) : std::string();
}
FloatRead ReadFloat(const char* first, const char* last, float& value) {
    return Read(first, last, value);
}
FloatRead ReadFloat(const char* first, const char* last, double& value) {
    return Read(first, last, value);
}
FloatRead ReadFloat(const char* first, const char* last, long double& value) {
    return Read(first, last, value);
}

#else

std::string ShortestText(double value) {
    return fallback::ShortestText(value);
}
std::string ShortestText(float value) {
    return fallback::ShortestText(value);
}
std::string PrecisionText(double value, bool fixed, int precision) {
    return fallback::PrecisionText(value, fixed, precision);
}
FloatRead ReadFloat(const char* first, const char* last, float& value) {
    return fallback::ReadFloat(first, last, value);
}
FloatRead ReadFloat(const char* first, const char* last, double& value) {
    return fallback::ReadFloat(first, last, value);
}
FloatRead ReadFloat(const char* first, const char* last, long double& value) {
    return fallback::ReadFloat(first, last, value);
}

#endif

}  // namespace volvenza
