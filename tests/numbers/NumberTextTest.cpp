#include "numbers/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace volvenza {
namespace {

TEST(NumberText, ParsesBoxText) {
    EXPECT_EQ(ParseNumber<float>("1,5"), 1.5f);
    EXPECT_EQ(ParseNumber<float>("  -1,5 "), -1.5f);
    EXPECT_EQ(ParseNumber<float>("+3"), 3.0f);
    EXPECT_EQ(ParseNumber<float>("1.5"), 1.5f);  // a pasted point is taken as the separator
    EXPECT_EQ(ParseNumber<float>(",5"), 0.5f);
    EXPECT_EQ(ParseNumber<float>("0,3"), 0.3f);
    EXPECT_EQ(ParseNumber<double>("1,767145E+22"), 1.767145e22);
    EXPECT_EQ(ParseNumber<double>("1E-05"), 1e-05);
    EXPECT_EQ(ParseNumber<double>("32,3977495"), 32.3977495);
    for (const char* bad : {"", "  ", "abc", "1,2,3", "1.2,3", "1,5x", "-", ",", "1E", "1 5", "nan",
                            "inf", "1e99", "+-5", "--5", "0x10"}) {
        EXPECT_FALSE(ParseNumber<float>(bad).has_value()) << bad;
    }
    EXPECT_FALSE(ParseNumber<double>("1e400").has_value());
    EXPECT_EQ(ParseNumber<float>("1e-60"), 0.0f);
}

TEST(NumberText, FormatsBoxText) {
    EXPECT_EQ(FormatNumber(1.0f / 3.0f, ','), "0,3333333");
    EXPECT_EQ(FormatNumber(5.0f, ','), "5");
    EXPECT_EQ(FormatNumber(4.7f, ','), "4,7");
    EXPECT_EQ(FormatNumber(-1.5f, ','), "-1,5");
    EXPECT_EQ(FormatNumber(-0.0f, ','), "0");
    EXPECT_EQ(FormatNumber(12345678.0f, ','), "1,234568E+07");
    EXPECT_EQ(FormatNumber(0.0001f, ','), "0,0001");
    EXPECT_EQ(FormatNumber(0.00001f, ','), "1E-05");
    EXPECT_EQ(FormatNumber(58.9049977, ','), "58,9049977");
    EXPECT_EQ(FormatNumber(1.767145e22, ','), "1,767145E+22");
    // Seven significant digits for singles, fifteen for doubles, in every form.
    EXPECT_EQ(FormatNumber(1.0 / 3, ','), "0,333333333333333");
    EXPECT_EQ(FormatFileNumber(1.0 / 3), ".333333333333333");
    EXPECT_EQ(FormatFileNumber(-1.0f / 3), "-.3333333");
    EXPECT_EQ(FormatPrintedNumber(1.0 / 3, ','), " ,333333333333333 ");
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

TEST(NumberText, FileForm) {
    EXPECT_EQ(FormatFileNumber(0.3f), ".3");
    EXPECT_EQ(FormatFileNumber(-0.25f), "-.25");
    EXPECT_EQ(FormatFileNumber(0.01), ".01");
    EXPECT_EQ(FormatFileNumber(0.00001), "1E-05");
    EXPECT_EQ(FormatFileNumber(1.767145e22f), "1.767145E+22");
    EXPECT_EQ(FormatFileNumber(0.0), "0");
    EXPECT_EQ(FormatFileNumber(-0.0), "0");
    EXPECT_EQ(FormatFileNumber(468.0), "468");
    EXPECT_EQ(FormatFileNumber(1e15), "1E+15");
    EXPECT_EQ(FormatFileNumber(123456789012345.0), "123456789012345");
    // Non-finite values are never written as a number, in any form.
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(FormatFileNumber(-nan), "nan");
    EXPECT_EQ(FormatFileNumber(static_cast<float>(inf)), "inf");
    EXPECT_EQ(FormatNumber(-inf, ','), "-inf");
    EXPECT_EQ(FormatPrintedNumber(nan, ','), " nan ");
    EXPECT_EQ(FormatFixed(-nan, 4, ','), "nan");
    EXPECT_EQ(FormatFixed(-inf, 1, ','), "-inf");
}

TEST(NumberText, PrintedNumbersAndPatterns) {
    EXPECT_EQ(FormatPrintedNumber(0.1, ','), " ,1 ");
    EXPECT_EQ(FormatPrintedNumber(8.751, ','), " 8,751 ");
    EXPECT_EQ(FormatPrintedNumber(-18, ','), "-18 ");
    EXPECT_EQ(FormatPrintedNumber(-0.5, ','), "-,5 ");
    EXPECT_EQ(FormatPrintedNumber(0, ','), " 0 ");
    EXPECT_EQ(FormatFixed(0, 1, ','), "0,0");
    EXPECT_EQ(FormatFixed(4.68, 1, ','), "4,7");
    EXPECT_EQ(FormatFixed(-0.04, 1, ','), "0,0");
    EXPECT_EQ(FormatFixed(1234567.25, 4, ','), "1234567,2500");
    EXPECT_EQ(RoundHalfEven(2.5, 0), 2.0);
    EXPECT_EQ(RoundHalfEven(0.0625, 3), 0.062);
    EXPECT_EQ(RoundHalfEven(0.1875, 3), 0.188);
    EXPECT_EQ(RoundHalfEven(-0.0004, 3), 0.0);
    EXPECT_FALSE(std::signbit(RoundHalfEven(-0.0004, 3)));
    EXPECT_EQ(FilterDecimalKey(U'.'), U',');
    EXPECT_EQ(FilterDecimalKey(U'5'), U'5');
    EXPECT_TRUE(IsDecimalPointKey(190) && IsDecimalPointKey(110) && !IsDecimalPointKey(188));
}

}  // namespace
}  // namespace volvenza
