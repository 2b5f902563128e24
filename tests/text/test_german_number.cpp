// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/german_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace ravelin {
namespace {

TEST(GermanNumberTest, CountsGroupThousandsWithAPoint)
{
    struct Case {
        std::uint64_t count;
        const char* text;
    };
    for (const Case& c :
         {Case{0, "0"}, Case{7, "7"}, Case{999, "999"}, Case{1000, "1.000"}, Case{48211, "48.211"},
          Case{100000, "100.000"}, Case{1234567, "1.234.567"},
          Case{18446744073709551615u, "18.446.744.073.709.551.615"}})
        EXPECT_EQ(germanCount(c.count), c.text) << c.count;
}

TEST(GermanNumberTest, DecimalsTakeAComma)
{
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    for (const Case& c :
         {Case{35, 2, "35,00"}, Case{49.8, 2, "49,80"}, Case{1234.567, 2, "1.234,57"},
          Case{23.2879, 1, "23,3"}, Case{0.04, 1, "0,0"}, Case{-0.5, 1, "-0,5"},
          Case{1234567.0, 0, "1.234.567"}, Case{std::numeric_limits<double>::quiet_NaN(), 2, "-"},
          Case{std::numeric_limits<double>::infinity(), 2, "-"}})
        EXPECT_EQ(germanDecimal(c.value, c.decimals), c.text) << c.value;
}

TEST(GermanNumberTest, ProbabilitiesShowThreeSignificantDigits)
{
    struct Case {
        double p;
        const char* text;
    };
    for (const Case& c : {Case{0.43, "0,430"}, Case{0.4682, "0,468"}, Case{0.05, "0,0500"},
                          Case{0.00412, "0,00412"}, Case{0.001, "0,00100"}, Case{1, "1,00"},
                          // Rounding up to the next power of ten keeps three digits.
                          Case{0.09996, "0,100"}, Case{0.0099996, "0,0100"},
                          Case{0.000999, "< 0,001"}, Case{0, "< 0,001"}})
        EXPECT_EQ(germanProbability(c.p), c.text) << c.p;
}

} // namespace
} // namespace ravelin
