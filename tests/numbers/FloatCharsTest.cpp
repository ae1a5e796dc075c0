// The snprintf/strtod way of writing and reading numbers must give exactly
// what std::to_chars and std::from_chars give, or the browser's files and
// answers would differ from the desktop's.

#include "numbers/FloatChars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace volvenza {
namespace {

template <typename T>
std::string Std(T value) {
    char buffer[64];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// Same end, same error and, when read, the same bits.
template <typename T>
void ReadsAsStd(const std::string& text) {
    T mine = T(42), theirs = T(42);
    const char *first = text.data(), *last = first + text.size();
    const auto a = fallback::ReadFloat(first, last, mine);
    const auto b = std::from_chars(first, last, theirs);
    ASSERT_EQ(a.ptr - first, b.ptr - first) << text;
    ASSERT_EQ(a.ec, b.ec) << text;
    ASSERT_EQ(std::memcmp(&mine, &theirs, sizeof(T) == 16 ? 10 : sizeof(T)), 0) << text;
}

// Random bits (every binade alike), whole decimals of a few digits, and the
// bottoms of the binades, where the gap below is half the gap above.
std::vector<double> Doubles() {
    std::mt19937_64 random(36);
    std::vector<double> values{0.0, -0.0, HUGE_VAL, -HUGE_VAL, std::nan("")};
    for (int i = 0; i < 25000; ++i) {
        const uint64_t bits = random();
        double d = 0;
        std::memcpy(&d, &bits, sizeof d);
        if (std::isfinite(d)) values.push_back(d);
        values.push_back(static_cast<double>(random() % 100000) / std::pow(10.0, random() % 9));
    }
    for (int e = -1074; e <= 1023; ++e) {
        const double p = std::ldexp(1.0, e);
        values.insert(values.end(), {p, std::nextafter(p, 0.0), std::nextafter(p, 2 * p), -p});
    }
    return values;
}

TEST(FloatChars, FallbackWritesAndReadsAsToCharsAndFromChars) {
    for (double d : Doubles()) {
        ASSERT_EQ(fallback::ShortestText(d), Std(d)) << d;
        const auto f = static_cast<float>(d);
        ASSERT_TRUE(!std::isfinite(f) || fallback::ShortestText(f) == Std(f)) << f;
    }
    std::mt19937 random(7);
    for (double d : Doubles()) {
        const int digits = 1 + static_cast<int>(random() % 17);
        const int decimals = static_cast<int>(random() % 7);
        char g[512], f[512];
        const auto gEnd = std::to_chars(g, g + 512, d, std::chars_format::general, digits).ptr;
        ASSERT_EQ(fallback::PrecisionText(d, false, digits), std::string(g, gEnd));
        const auto fEnd = std::to_chars(f, f + 512, d, std::chars_format::fixed, decimals).ptr;
        ASSERT_EQ(fallback::PrecisionText(d, true, decimals), std::string(f, fEnd));
        ReadsAsStd<double>(Std(d));
        ReadsAsStd<float>(Std(d));
        ReadsAsStd<double>(std::to_string(d));
    }
    // Where the text stops, what is out of range, and what is not a number.
    // clang-format off
    for (const char* text : {"1e-400", "1e-310", "1e400", "1e-40", "1e-50", "1e39", "-0", "inf",
                             "-Infinity", "INFINIT", "nan", "nan(abc_1)", "nan(", "nanx", "1e", "1e+",
                             "1e+x", ".5", ".", "5.", "-.e1", "0x10", "1.5E-3x", "+1", " 1", "", "-",
                             "1.2.3", "00012", "3.4028235e38", "3.4028236e38", "1.7976931348623158e308",
                             "2.4703282292062328e-324", "9007199254740993"}) {
        // clang-format on
        ReadsAsStd<double>(text);
        ReadsAsStd<float>(text);
        ReadsAsStd<long double>(text);
    }
}

}  // namespace
}  // namespace volvenza
