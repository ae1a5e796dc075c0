// Numbers as the boxes, the files and the printed pages write and read
// them; and beneath them the snprintf/strtod way of writing and reading,
// which must give exactly what std::to_chars and std::from_chars give, or the
// browser's files and answers would differ from the desktop's.

#include "numbers/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "numbers/FloatChars.h"

namespace volvenza {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

TEST(NumberText, ParsesBoxText) {
    // A pasted point is taken as the separator.
    // clang-format off
    for (auto [text, value] : {std::pair{"1,5", 1.5f}, {"  -1,5 ", -1.5f}, {"+3", 3.0f},
                               {"1.5", 1.5f}, {",5", 0.5f}, {"0,3", 0.3f}, {"1e-60", 0.0f}}) {
        EXPECT_EQ(ParseNumber<float>(text), value) << text;
    }
    for (auto [text, value] : {std::pair{"1,767145E+22", 1.767145e22}, {"1E-05", 1e-05},
                               {"32,3977495", 32.3977495}}) {
        EXPECT_EQ(ParseNumber<double>(text), value) << text;
    }
    // clang-format on
    for (const char* bad : {"", "  ", "abc", "1,2,3", "1.2,3", "1,5x", "-", ",", "1E", "1 5", "nan",
                            "inf", "1e99", "+-5", "--5", "0x10"}) {
        EXPECT_FALSE(ParseNumber<float>(bad).has_value()) << bad;
    }
    EXPECT_FALSE(ParseNumber<double>("1e400").has_value());
}

TEST(NumberText, FormatsBoxText) {
    // clang-format off
    for (auto [value, text] : {std::pair{1.0f / 3.0f, "0,3333333"}, {5.0f, "5"}, {4.7f, "4,7"},
                               {-1.5f, "-1,5"}, {-0.0f, "0"}, {12345678.0f, "1,234568E+07"},
                               {0.0001f, "0,0001"}, {0.00001f, "1E-05"}}) {
        EXPECT_EQ(FormatNumber(value, ','), text) << text;
    }
    // Seven significant digits for singles, fifteen for doubles, in every form.
    for (auto [value, text] : {std::pair{58.9049977, "58,9049977"}, {1.767145e22, "1,767145E+22"},
                               {1.0 / 3, "0,333333333333333"}, {-kInf, "-inf"}}) {
        EXPECT_EQ(FormatNumber(value, ','), text) << text;
    }
    // clang-format on
    // The largest double has 15 digits that round up past it; they still
    // read back as the largest double, while text beyond it stays refused.
    constexpr double kMax = std::numeric_limits<double>::max();
    EXPECT_EQ(FormatNumber(kMax, ','), "1,79769313486232E+308");
    EXPECT_EQ(ParseNumber<double>(FormatNumber(-kMax, ',')), -kMax);
    EXPECT_EQ(ParseDecimal<double>("1.79769313486232e308"), kMax);
    EXPECT_FALSE(ParseDecimal<double>("1.79769313486233e308"));
    EXPECT_FALSE(ParseDecimal<float>("3.5e38"));
    EXPECT_TRUE(std::signbit(*ParseDecimal<double>("-1e-400")));
    EXPECT_FALSE(ParseDecimal<double>("1e99999"));
    // What FormatNumber writes, ParseNumber reads back (to seven digits).
    for (float v : {1.0f / 3.0f, 1e-7f, 3.4e38f, -2.5e-3f, 123456.7f}) {
        std::optional<float> back = ParseNumber<float>(FormatNumber(v, ','));
        ASSERT_TRUE(back) << v;
        EXPECT_EQ(FormatNumber(*back, ','), FormatNumber(v, ','));
    }

    // The English forms: the decimal point wherever the comma stood, and the
    // comma key typing a point.
    EXPECT_EQ(FormatNumber(1.5f, '.'), "1.5");
    EXPECT_EQ(FormatNumber(-0.0625, '.'), "-0.0625");
    EXPECT_EQ(FormatNumber(2.5e-7, '.'), "2.5E-07");
    EXPECT_EQ(FormatPrintedNumber(-0.5, '.'), "-.5 ");
    EXPECT_EQ(FormatFixed(4.65, 1, '.'), "4.6");
    EXPECT_EQ(FilterDecimalKey(U',', '.'), U'.');
    EXPECT_EQ(FilterDecimalKey(U'.', '.'), U'.');
}

// Non-finite values are never written as a number, in any form.
TEST(NumberText, FileForm) {
    // clang-format off
    for (auto [value, text] : {std::pair{0.3f, ".3"}, {-0.25f, "-.25"}, {-1.0f / 3, "-.3333333"},
                               {1.767145e22f, "1.767145E+22"}, {static_cast<float>(kInf), "inf"}}) {
        EXPECT_EQ(FormatFileNumber(value), text) << text;
    }
    for (auto [value, text] : {std::pair{0.01, ".01"}, {0.00001, "1E-05"}, {0.0, "0"}, {-0.0, "0"},
                               {468.0, "468"}, {1e15, "1E+15"},
                               {123456789012345.0, "123456789012345"},
                               {1.0 / 3, ".333333333333333"}, {-kNan, "nan"}}) {
        EXPECT_EQ(FormatFileNumber(value), text) << text;
    }
    // clang-format on
}

TEST(NumberText, PrintedNumbersAndPatterns) {
    // clang-format off
    for (auto [value, text] : {std::pair{0.1, " ,1 "}, {8.751, " 8,751 "}, {-18.0, "-18 "},
                               {-0.5, "-,5 "}, {0.0, " 0 "}, {1.0 / 3, " ,333333333333333 "},
                               {kNan, " nan "}}) {
        EXPECT_EQ(FormatPrintedNumber(value, ','), text) << text;
    }
    for (auto [value, decimals, text] : {std::tuple{0.0, 1, "0,0"}, {4.68, 1, "4,7"},
                                         {-0.04, 1, "0,0"}, {1234567.25, 4, "1234567,2500"},
                                         {-kNan, 4, "nan"}, {-kInf, 1, "-inf"}}) {
        EXPECT_EQ(FormatFixed(value, decimals, ','), text) << text;
    }
    for (auto [value, digits, rounded] : {std::tuple{2.5, 0, 2.0}, {0.0625, 3, 0.062},
                                          {0.1875, 3, 0.188}, {-0.0004, 3, 0.0}}) {
        EXPECT_EQ(RoundHalfEven(value, digits), rounded) << value;
    }
    // clang-format on
    EXPECT_FALSE(std::signbit(RoundHalfEven(-0.0004, 3)));
    EXPECT_EQ(FilterDecimalKey(U'.'), U',');
    EXPECT_EQ(FilterDecimalKey(U'5'), U'5');
    EXPECT_TRUE(IsDecimalPointKey(190) && IsDecimalPointKey(110) && !IsDecimalPointKey(188));
}

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
