// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/number_reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace ravelin {
namespace {

struct ReadCase {
    const char* text;
    double expected;
};

class ReadNumberTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, ReadsTheLeadingNumber)
{
    const ReadCase& c = GetParam();
    EXPECT_DOUBLE_EQ(readNumber(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberTest,
    ::testing::Values(
        // What the boxes see every day.
        ReadCase{"12abc", 12}, ReadCase{"120abc", 120}, ReadCase{"1 2", 12}, ReadCase{"1,5", 1},
        ReadCase{"2.5", 2.5}, ReadCase{"abc", 0}, ReadCase{"", 0}, ReadCase{"00", 0},
        ReadCase{"007", 7},
        // Blanks, tabs and line feeds are skipped wherever they stand; a
        // carriage return is not one of them.
        ReadCase{" \t\n4 2", 42}, ReadCase{"- 5", -5}, ReadCase{"1 . 5", 1.5},
        ReadCase{"1 e 2", 100}, ReadCase{"\r5", 0}, ReadCase{"5\r6", 5},
        // Signs and points.
        ReadCase{"+3", 3}, ReadCase{"-3", -3}, ReadCase{"--1", 0}, ReadCase{"+-1", 0},
        ReadCase{".5", 0.5}, ReadCase{"5.", 5}, ReadCase{".", 0}, ReadCase{"-", 0},
        ReadCase{"1..5", 1}, ReadCase{"1.5.3", 1.5},
        // Exponents with E or D in either case; an exponent without digits is
        // not part of the number.
        ReadCase{"1E3x", 1000}, ReadCase{"1e3", 1000}, ReadCase{"1D2", 100}, ReadCase{"1d-2", 0.01},
        ReadCase{"2.5E+1", 25}, ReadCase{"1e", 1}, ReadCase{"1e+", 1}, ReadCase{"1e-x", 1},
        ReadCase{"1ee2", 1}, ReadCase{"e5", 0},
        // No hexadecimal or octal prefixes.
        ReadCase{"&H10", 0}, ReadCase{"&O7", 0}, ReadCase{"0x10", 0},
        // Beyond the range of a double: not a number for the boxes.
        ReadCase{"1E999", 0}, ReadCase{"-1E999", 0}, ReadCase{"1e308", 1e308}));

TEST(ReadNumberLongTextTest, LongDigitStrings)
{
    EXPECT_DOUBLE_EQ(readNumber(std::string(1000, '0') + "7"), 7);
    EXPECT_DOUBLE_EQ(readNumber("1" + std::string(20, '0')), 1e20);
    EXPECT_DOUBLE_EQ(readNumber("0." + std::string(30, '0') + "5"), 5e-31);
    // 400 nines lie beyond a double: read as 0, never as an infinity.
    EXPECT_EQ(readNumber(std::string(400, '9')), 0);
    EXPECT_EQ(readNumber(std::string(400, '9') + "abc"), 0);
}

TEST(ReadNumberLongTextTest, NeverInfiniteOrNaN)
{
    for (const char* text :
         {"1e400", "1D9999", "9e99999999999999999999", "-1e400", "1e-99999", "0e99999"}) {
        EXPECT_TRUE(std::isfinite(readNumber(text))) << text;
    }
    EXPECT_EQ(readNumber("0e99999"), 0);
}

// Texts that begin with a digit take a shorter way than texts that begin with
// a sign or a blank; a leading "+" or blank must never change what is read.
TEST(ReadNumberLongTextTest, DigitTextsReadAsWithSignOrBlank)
{
    for (const char* text : {"0",
                             "7",
                             "36",
                             "30000",
                             "12abc",
                             "12,5",
                             "12&H",
                             "12%",
                             "12\r",
                             "1 2",
                             "12\t3",
                             "12\n3",
                             "12.5",
                             "12e2",
                             "12E",
                             "12d1",
                             "12D-1",
                             "999999999999999",
                             "1234567890123456",
                             "12345678901234567890",
                             "9007199254740993",
                             "000000000000000000001",
                             "100000000000000.5"}) {
        const double plain = readNumber(text);
        EXPECT_EQ(plain, readNumber(std::string("+") + text)) << '"' << text << '"';
        EXPECT_EQ(plain, readNumber(std::string(" ") + text)) << '"' << text << '"';
    }
}

} // namespace
} // namespace ravelin
