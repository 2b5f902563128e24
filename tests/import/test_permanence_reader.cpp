// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/permanence_items.h"
#include "import/permanence_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace ravelin {
namespace {

// The items of the bytes, given to the reader at most `chunk` bytes at a
// time, so that every place where one block ends and the next begins is met.
std::vector<std::string> cut(std::string_view bytes, std::size_t chunk = SIZE_MAX)
{
    std::vector<std::string> items;
    std::size_t pos = 0;
    PermanenceItems in([&](char* buffer, std::size_t size) -> std::optional<std::size_t> {
        const std::size_t n = std::min({size, chunk, bytes.size() - pos});
        bytes.copy(buffer, n, pos);
        pos += n;
        return n;
    });
    while (!in.atEnd()) {
        in.next(SIZE_MAX, false);
        items.emplace_back(in.text());
    }
    return items;
}

struct ItemCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> items;
};

class ItemCuttingTest : public ::testing::TestWithParam<ItemCase> {};

TEST_P(ItemCuttingTest, CutsAsTheFileIsMeant)
{
    EXPECT_EQ(cut(GetParam().bytes), GetParam().items);
    EXPECT_EQ(cut(GetParam().bytes, 1), GetParam().items) << "read a byte at a time";
}

INSTANTIATE_TEST_SUITE_P(
    Items, ItemCuttingTest,
    ::testing::Values(
        ItemCase{"CrLf", "a\r\nb\r\n", {"a", "b"}}, ItemCase{"LfAlone", "a\nb\n", {"a", "b"}},
        ItemCase{"CrAlone", "a\rb\r", {"a", "b"}},
        ItemCase{"MixedLineEnds", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        ItemCase{"CrThenCrLfIsAnEmptyLine", "a\r\r\nb", {"a", "", "b"}},
        ItemCase{"EmptyLinesAreEmptyItems", "\r\n\r\nx\r\n", {"", "", "x"}},
        ItemCase{"NoLineEndAtTheEnd", "17", {"17"}}, ItemCase{"Commas", "4,19\r\n", {"4", "19"}},
        ItemCase{"CommaBeforeLineEnd", "4,\r\n5", {"4", "", "5"}},
        ItemCase{"BlanksAndTabsInFront", "  \t 17\r\n\t-\r\n", {"17", "-"}},
        ItemCase{"BlanksOnlyLineIsEmpty", "   \r\nx", {"", "x"}},
        ItemCase{"BlanksAfterAnItemStay", "17  \r\n", {"17  "}},
        ItemCase{"QuotedWithComma", "\"a, b\",c\r\n", {"a, b", "c"}},
        ItemCase{"QuotedAcrossLines", "\"a\r\nb\"\r\nc", {"a\r\nb", "c"}},
        ItemCase{"AfterClosingQuoteDropped", "\"a\"junk,b\r\n", {"a", "b"}},
        ItemCase{"EmptyQuoted", "\"\"\r\n5", {"", "5"}},
        ItemCase{"UnterminatedQuoteTakesTheRest", "\"a,b\r\nc\r\n", {"a,b\r\nc\r\n"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Four header lines, then the data.
std::string permanence(std::string_view data)
{
    return "Spielbank Hamburg\r\nTisch 1\r\n01.02.2003\r\nPermanenz\r\n" + std::string(data);
}

struct ReadCase {
    const char* name;
    std::string bytes;
    bool accepted;
    std::vector<double> spins;
};

class PermanenceReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(PermanenceReadTest, ReadsTheSpinsOrRefusesTheFile)
{
    const ReadCase& c = GetParam();
    const std::optional<Permanence> read = readPermanence(c.bytes);
    ASSERT_EQ(read.has_value(), c.accepted);
    if (read) {
        EXPECT_EQ(read->spins, c.spins);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, PermanenceReadTest,
    ::testing::Values(
        ReadCase{
            "Example", permanence("17\r\n-----\r\n0\r\n32\r\n=====\r\n5\r\n"), true, {17, 0, 32}},
        ReadCase{"EmptyFile", "", false, {}},
        ReadCase{"SmallLetters", "spielbank Hamburg\r\na\r\nb\r\nc\r\n17\r\n", false, {}},
        ReadCase{"OtherWord", "Casino Hamburg\r\na\r\nb\r\nc\r\n17\r\n", false, {}},
        ReadCase{"ShorterThanTheWord", "Spielban\r\na\r\nb\r\nc\r\n", false, {}},
        ReadCase{"ByteOrderMark", "\xEF\xBB\xBFSpielbank\r\na\r\nb\r\nc\r\n17\r\n", false, {}},
        ReadCase{"IndentedWord", "   Spielbank\r\na\r\nb\r\nc\r\n17\r\n", true, {17}},
        ReadCase{"ExactlyTheWord", "Spielbank\r\na\r\nb\r\nc\r\n17\r\n", true, {17}},
        ReadCase{"EndsAfterThreeHeaderItems", "Spielbank\r\na\r\nb\r\n", false, {}},
        ReadCase{"EndsAfterOneHeaderItem", "Spielbank Hamburg", false, {}},
        ReadCase{"FourthHeaderWithoutLineEnd", "Spielbank\r\na\r\nb\r\nc", true, {}},
        ReadCase{"HeaderOnly", permanence(""), true, {}},
        ReadCase{"HeaderThenEndAtOnce", permanence("====\r\n17\r\n"), true, {}},
        ReadCase{"FourthHeaderIsNoSeparator", "Spielbank\r\na\r\nb\r\n-----\r\n3\r\n", true, {3}},
        ReadCase{"IndentedSeparators", permanence("1\r\n   -----\r\n\t---\r\n2\r\n"), true, {1, 2}},
        ReadCase{"NegativeNumberSeparates", permanence("1\r\n-5\r\n2\r\n"), true, {1, 2}},
        ReadCase{"EmptyLineIsSpinZero", permanence("1\r\n\r\n2\r\n"), true, {1, 0, 2}},
        ReadCase{"CommaMakesTwoSpins", permanence("4,19\r\n7\r\n"), true, {4, 19, 7}},
        ReadCase{"LinesAfterTheEndIgnored", permanence("1\r\n= Ende\r\n2\r\n3\r\n"), true, {1}},
        ReadCase{"NoEndRunsToTheEnd", permanence("1\r\n2\r\n3"), true, {1, 2, 3}},
        ReadCase{"FractionKept", permanence("3.5\r\n"), true, {3.5}},
        ReadCase{"ValuesAsRead",
                 permanence("  5\r\n17 abc\r\n1 7\r\nabc\r\n+8\r\n99\r\n"),
                 true,
                 {5, 17, 17, 0, 8, 99}},
        ReadCase{"QuotedSpinWithComma", permanence("\"4,19\"\r\n\"-\"\r\n6\r\n"), true, {4, 6}},
        // The open quote takes the rest, end line included, as one spin.
        ReadCase{"UnterminatedQuoteInData", permanence("1\r\n\"2\r\n3\r\n=\r\n"), true, {1, 2}},
        ReadCase{"LfLineEnds", "Spielbank\na\nb\nc\n17\n-\n0\n=\n5\n", true, {17, 0}},
        ReadCase{"CrLineEnds", "Spielbank\ra\rb\rc\r17\r-\r0\r=\r5\r", true, {17, 0}},
        // The fourth line's comma makes its second half the first spin.
        ReadCase{"CommaInHeader",
                 "Spielbank Hamburg\r\nTisch 1, Saal 2\r\nx\r\n"
                 "12 Uhr\r\n17\r\n",
                 true,
                 {12, 17}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PermanenceHeaderTest, ShowsTheFirstThreeItemsDecoded)
{
    const std::string bytes = "Spielbank Hamburg \x96 Franz\xF6sisches Roulette\r\n"
                              "Tisch \"3\"\r\n"
                              "M\xE4rz 2003\r\n"
                              "nicht gezeigt\r\n"
                              "17\r\n";
    const std::optional<Permanence> read = readPermanence(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->headerLines[0], "Spielbank Hamburg \u2013 Franz\u00f6sisches Roulette");
    EXPECT_EQ(read->headerLines[1], "Tisch \"3\"");
    EXPECT_EQ(read->headerLines[2], "M\u00e4rz 2003");
    EXPECT_EQ(read->spins, std::vector<double>{17});
}

TEST(PermanenceHeaderTest, CommaSplitsAHeaderLine)
{
    const std::optional<Permanence> read =
        readPermanence("Spielbank Hamburg\r\nTisch 1, Saal 2\r\nx\r\ny\r\n");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->headerLines[1], "Tisch 1");
    EXPECT_EQ(read->headerLines[2], "Saal 2");
    // "x" took the fourth place, "y" is the only spin.
    EXPECT_EQ(read->spins, std::vector<double>{0});
}

TEST(PermanenceHeaderTest, QuotedHeaderKeepsCommaAndBreaksLinesWithCrAlone)
{
    const std::optional<Permanence> read =
        readPermanence("\"Spielbank Hamburg, Esplanade\"\r\n\"a\r\nb\nc\"\r\nx\r\ny\r\n5\r\n");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->headerLines[0], "Spielbank Hamburg, Esplanade");
    EXPECT_EQ(read->headerLines[1], "a\rb\rc");
    EXPECT_EQ(read->spins, std::vector<double>{5});
}

TEST(PermanenceReadTest, ReadsALongFile)
{
    std::string data;
    std::vector<double> expected;
    for (int i = 0; i < 200000; ++i) {
        data += std::to_string(i % 37) + "\r\n";
        expected.push_back(i % 37);
        if (i % 100 == 99)
            data += "--------\r\n";
    }
    const std::optional<Permanence> read = readPermanence(permanence(data + "=====\r\n"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->spins, expected);
}

} // namespace
} // namespace ravelin
