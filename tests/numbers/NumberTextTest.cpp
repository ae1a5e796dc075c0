#include "numbers/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

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

}  // namespace
}  // namespace volvenza
