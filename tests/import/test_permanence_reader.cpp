// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/permanence_items.h"
#include "import/permanence_reader.h"
#include "text/number_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
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
    PermanenceStatus status; // the import takes the file only when it reads as one
    std::vector<double> spins;
};

// The bytes as a file that gives them all to the first reading.
PermanenceItems::Source sourceOf(std::string_view bytes)
{
    return [bytes, pos = std::size_t{0}](char* buffer,
                                         std::size_t size) mutable -> std::optional<std::size_t> {
        const std::size_t n = std::min(size, bytes.size() - pos);
        bytes.copy(buffer, n, pos);
        pos += n;
        return n;
    };
}

class PermanenceReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(PermanenceReadTest, ReadsTheSpinsOrRefusesTheFile)
{
    const ReadCase& c = GetParam();
    const std::optional<Permanence> read = readPermanence(c.bytes);
    ASSERT_EQ(read.has_value(), c.status == PermanenceStatus::read);
    if (read) {
        EXPECT_EQ(read->spins, c.spins);
    }

    // One streaming reading tells why, and gives the same spins.
    PermanenceStream stream(sourceOf(c.bytes));
    ASSERT_EQ(stream.readHeader(), c.status);
    std::vector<double> streamed;
    while (const std::optional<std::string_view> text = stream.nextSpin())
        streamed.push_back(readNumber(*text));
    EXPECT_EQ(streamed, c.status == PermanenceStatus::read ? c.spins : std::vector<double>{});
    EXPECT_FALSE(stream.nextSpin()) << "the spins stay ended";
}

INSTANTIATE_TEST_SUITE_P(
    Files, PermanenceReadTest,
    ::testing::Values(
        ReadCase{"Example",
                 permanence("17\r\n-----\r\n0\r\n32\r\n=====\r\n5\r\n"),
                 PermanenceStatus::read,
                 {17, 0, 32}},
        // NUL bytes where the header should be: a binary file, not one to read.
        ReadCase{"NulBytesBeforeTheHeader",
                 std::string("\0\0Spielbank\r\na\r\nb\r\nc\r\n17\r\n", 26),
                 PermanenceStatus::unreadable,
                 {}},
        ReadCase{"HeaderInTwoByteCharacters",
                 std::string("S\0p\0i\0e\0l\0b\0a\0n\0k\0\r\0\n\0", 22),
                 PermanenceStatus::unreadable,
                 {}},
        ReadCase{"NulBytesAfterAGoodHeaderAreASpin",
                 std::string("Spielbank\r\na\r\nb\r\nc\r\n17\r\n\0\0", 26),
                 PermanenceStatus::read,
                 {17, 0}},
        ReadCase{"BlanksOnly", "   \t  ", PermanenceStatus::noPermanence, {}},
        ReadCase{"EmptyFile", "", PermanenceStatus::empty, {}},
        ReadCase{"SmallLetters",
                 "spielbank Hamburg\r\na\r\nb\r\nc\r\n17\r\n",
                 PermanenceStatus::noPermanence,
                 {}},
        ReadCase{"OtherWord",
                 "Casino Hamburg\r\na\r\nb\r\nc\r\n17\r\n",
                 PermanenceStatus::noPermanence,
                 {}},
        ReadCase{"ShorterThanTheWord",
                 "Spielban\r\na\r\nb\r\nc\r\n",
                 PermanenceStatus::noPermanence,
                 {}},
        ReadCase{"ByteOrderMark",
                 "\xEF\xBB\xBFSpielbank\r\na\r\nb\r\nc\r\n17\r\n",
                 PermanenceStatus::noPermanence,
                 {}},
        ReadCase{
            "IndentedWord", "   Spielbank\r\na\r\nb\r\nc\r\n17\r\n", PermanenceStatus::read, {17}},
        ReadCase{
            "ExactlyTheWord", "Spielbank\r\na\r\nb\r\nc\r\n17\r\n", PermanenceStatus::read, {17}},
        ReadCase{
            "EndsAfterThreeHeaderItems", "Spielbank\r\na\r\nb\r\n", PermanenceStatus::empty, {}},
        ReadCase{"EndsAfterOneHeaderItem", "Spielbank Hamburg", PermanenceStatus::noPermanence, {}},
        ReadCase{
            "FourthHeaderWithoutLineEnd", "Spielbank\r\na\r\nb\r\nc", PermanenceStatus::read, {}},
        ReadCase{"HeaderOnly", permanence(""), PermanenceStatus::read, {}},
        ReadCase{"HeaderThenEndAtOnce", permanence("====\r\n17\r\n"), PermanenceStatus::read, {}},
        ReadCase{"FourthHeaderIsNoSeparator",
                 "Spielbank\r\na\r\nb\r\n-----\r\n3\r\n",
                 PermanenceStatus::read,
                 {3}},
        ReadCase{"IndentedSeparators",
                 permanence("1\r\n   -----\r\n\t---\r\n2\r\n"),
                 PermanenceStatus::read,
                 {1, 2}},
        ReadCase{"NegativeNumberSeparates",
                 permanence("1\r\n-5\r\n2\r\n"),
                 PermanenceStatus::read,
                 {1, 2}},
        ReadCase{
            "EmptyLineIsSpinZero", permanence("1\r\n\r\n2\r\n"), PermanenceStatus::read, {1, 0, 2}},
        ReadCase{
            "CommaMakesTwoSpins", permanence("4,19\r\n7\r\n"), PermanenceStatus::read, {4, 19, 7}},
        ReadCase{"LinesAfterTheEndIgnored",
                 permanence("1\r\n= Ende\r\n2\r\n3\r\n"),
                 PermanenceStatus::read,
                 {1}},
        ReadCase{"NoEndRunsToTheEnd", permanence("1\r\n2\r\n3"), PermanenceStatus::read, {1, 2, 3}},
        ReadCase{"FractionKept", permanence("3.5\r\n"), PermanenceStatus::read, {3.5}},
        ReadCase{"ValuesAsRead",
                 permanence("  5\r\n17 abc\r\n1 7\r\nabc\r\n+8\r\n99\r\n"),
                 PermanenceStatus::read,
                 {5, 17, 17, 0, 8, 99}},
        ReadCase{"QuotedSpinWithComma",
                 permanence("\"4,19\"\r\n\"-\"\r\n6\r\n"),
                 PermanenceStatus::read,
                 {4, 6}},
        // The open quote takes the rest, end line included, as one spin.
        ReadCase{"UnterminatedQuoteInData",
                 permanence("1\r\n\"2\r\n3\r\n=\r\n"),
                 PermanenceStatus::read,
                 {1, 2}},
        ReadCase{
            "LfLineEnds", "Spielbank\na\nb\nc\n17\n-\n0\n=\n5\n", PermanenceStatus::read, {17, 0}},
        ReadCase{
            "CrLineEnds", "Spielbank\ra\rb\rc\r17\r-\r0\r=\r5\r", PermanenceStatus::read, {17, 0}},
        // The fourth line's comma makes its second half the first spin.
        ReadCase{"CommaInHeader",
                 "Spielbank Hamburg\r\nTisch 1, Saal 2\r\nx\r\n"
                 "12 Uhr\r\n17\r\n",
                 PermanenceStatus::read,
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

TEST(PermanenceStreamTest, AReadingThatFailsIsUnreadableWhereverItFails)
{
    struct Case {
        const char* name;
        std::string givenBeforeFailing;
        PermanenceStatus header;
        std::vector<std::string> spins;
    };
    for (const Case& c :
         {Case{"at once", "", PermanenceStatus::unreadable, {}},
          Case{"in the header", "Spielbank\r\na\r\n", PermanenceStatus::unreadable, {}},
          Case{
              "among the spins", permanence("17\r\n5\r\n"), PermanenceStatus::read, {"17", "5"}}}) {
        SCOPED_TRACE(c.name);
        bool given = false;
        PermanenceStream stream([&](char* buffer, std::size_t size) -> std::optional<std::size_t> {
            if (std::exchange(given, true) || c.givenBeforeFailing.empty())
                return std::nullopt;
            return c.givenBeforeFailing.copy(buffer, size);
        });
        EXPECT_EQ(stream.readHeader(), c.header);
        std::vector<std::string> spins;
        while (const std::optional<std::string_view> text = stream.nextSpin())
            spins.emplace_back(*text);
        EXPECT_EQ(spins, c.spins);
        EXPECT_TRUE(stream.failed());
    }
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
