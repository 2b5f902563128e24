// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/plain_number.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace ravelin {
namespace {

struct NumberCase {
    double value;
    std::string text;
};

class PlainNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(PlainNumberTest, WritesTheRoundedWholeNumber)
{
    EXPECT_EQ(PlainNumber(GetParam().value).text(), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, PlainNumberTest,
    ::testing::Values(NumberCase{0, "0"}, NumberCase{-0.0, "0"}, NumberCase{-0.4, "0"},
                      NumberCase{7, "7"}, NumberCase{-7, "-7"}, NumberCase{30000, "30000"},
                      // Halves go to the even neighbour.
                      NumberCase{2.5, "2"}, NumberCase{3.5, "4"}, NumberCase{-2.5, "-2"},
                      NumberCase{0.5, "0"},
                      // Either side of 2^53, where the integer writing hands over.
                      NumberCase{9007199254740991.0, "9007199254740991"},
                      NumberCase{9007199254740992.0, "9007199254740992"},
                      NumberCase{-9007199254740992.0, "-9007199254740992"},
                      NumberCase{1e20, "100000000000000000000"},
                      // Nothing that is no number reaches the screen.
                      NumberCase{std::numeric_limits<double>::quiet_NaN(), "0"},
                      NumberCase{std::numeric_limits<double>::infinity(), "0"},
                      NumberCase{-std::numeric_limits<double>::infinity(), "0"}));

TEST(PlainNumberTest, LargestDoublesFitTheirBuffer)
{
    const std::string most(PlainNumber(DBL_MAX).text());
    EXPECT_EQ(most.size(), 309u);
    EXPECT_EQ(most.substr(0, 6), "179769");
    EXPECT_EQ(std::string(PlainNumber(-DBL_MAX).text()), "-" + most);
}

// The run's counters come as integers and must read exactly as the same value
// written through a double, at the ends of their range too.
TEST(PlainNumberTest, IntegersReadAsTheirDoubles)
{
    for (int value : {0, 1, -1, 9, 10, 36, 4999, 5000, 32767, -32768,
                      std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        EXPECT_EQ(PlainNumber(value).text(), PlainNumber(static_cast<double>(value)).text())
            << value;
        EXPECT_EQ(PlainNumber(value).text(), std::to_string(value));
    }
}

} // namespace
} // namespace ravelin
