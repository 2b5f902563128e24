// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally/permanence_tally.h"

#include "evaluation/distribution_figures.h"
#include "evaluation/grid_counts.h"
#include "import/permanence_import.h"
#include "run/run_helpers.h"
#include "support/import_snapshot.h"
#include "tally/tally_text.h"
#include "window/run_mode.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace ravelin {
namespace {

using testing::MemoryFileSystem;
using testing::spinsComposing;
using testing::TestWindow;

const std::string header = "Spielbank Hamburg\r\nTisch 2\r\nMittwoch\r\nPermanenz\r\n";

// The lines of a permanence as spins.
std::string permanenceOf(const std::vector<int>& spins)
{
    std::string text = header;
    for (int spin : spins)
        text += std::to_string(spin) + "\r\n";
    return text;
}

std::vector<int> composing(const std::vector<int>& numbers)
{
    std::vector<int> spins;
    for (int n : numbers)
        for (int spin : spinsComposing(n))
            spins.push_back(spin);
    return spins;
}

// A permanence of `lines` spin lines drawn from a seeded generator, in every
// shape a run reads: zeros, fractions rounded half to even, values off the
// wheel, empty lines, separators, two spins in a line, runs of one number
// repeated; then, when asked, the end line and spins after it.
std::string generated(unsigned seed, int lines, bool endLine)
{
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> spin(0, 36);
    std::uniform_int_distribution<int> shape(0, 99);
    std::string text = header;
    for (int i = 0; i < lines; ++i) {
        const int s = shape(engine);
        if (s < 3)
            text += "-------\r\n";
        if (s < 6)
            text += "\r\n";
        else if (s < 8)
            text += std::to_string(spin(engine)) + ".5\r\n";
        else if (s < 9)
            text += "37\r\n";
        else if (s < 10)
            text += "-0.4\r\n";
        else if (s < 11)
            text += std::to_string(spin(engine)) + "," + std::to_string(spin(engine)) + "\r\n";
        else if (s < 13) {
            // A number three times in a row, as a run of nine spins.
            const std::vector<int> again = spinsComposing(spin(engine) % 36 + 1);
            for (int k = 0; k < 3; ++k)
                for (int one : again)
                    text += std::to_string(one) + "\r\n";
        } else
            text += std::to_string(spin(engine)) + "\r\n";
    }
    if (endLine)
        text += "==========\r\n17\r\n5\r\n";
    return text;
}

struct SameAsARunCase {
    const char* name;
    unsigned seed;
    int lines;
    bool endLine;
};

class TallySameAsARunTest : public ::testing::TestWithParam<SameAsARunCase> {};

// The tally of one file counts what importing it and pressing Start in
// "Einzelschritt" to the run's end leaves in the frequency grid.
TEST_P(TallySameAsARunTest, GivesTheFrequencyGridOfTheRunOverTheFile)
{
    const SameAsARunCase& c = GetParam();
    TestWindow w;
    w.files.folders = {"/perm"};
    w.files.files["/perm/tisch.txt"] = generated(c.seed, c.lines, c.endLine);
    w.controller.okexternClick();
    ASSERT_TRUE(importPermanence(w.form, w.files, "/perm", "tisch.txt"));
    w.controller.option1Click(runmode::einzelschritt);
    testing::pressUntilEnd(w);
    ASSERT_FALSE(w.form.okstart.enabled());
    ASSERT_LT(w.form.state.kombiwurf, wheel::logRows) << "the run must end at the file's end";

    const TallyResult tally = tallyPermanences(w.files, {"/perm/tisch.txt"});
    ASSERT_EQ(tally.rows.size(), 1u);
    EXPECT_EQ(tally.rows[0].status, PermanenceStatus::read);
    EXPECT_EQ(static_cast<double>(tally.rows[0].spins), w.form.state.importanzahl);
    EXPECT_EQ(tally.rows[0].numbers, static_cast<std::uint64_t>(w.form.state.kombiwurf));
    EXPECT_EQ(tally.counts, countsFromGrid(w.form.tabelle1));
    if (c.lines >= 2000) {
        EXPECT_GT(total(tally.counts.threeInARow), 0u) << "the file should hold repeats";
    }
    EXPECT_EQ(tally.chances, repeatChances(tally.rows[0].numbers));
}

INSTANTIATE_TEST_SUITE_P(Files, TallySameAsARunTest,
                         ::testing::Values(SameAsARunCase{"Short", 1, 300, false},
                                           SameAsARunCase{"WithEndLine", 2, 2000, true},
                                           SameAsARunCase{"Long", 3, 11000, false},
                                           SameAsARunCase{"LongWithEndLine", 4, 11000, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TallyTest, AFileOfFifteenThousandSpinsGivesTheRunsFiveThousandNumbers)
{
    TestWindow w;
    w.files.folders = {"/perm"};
    std::mt19937 engine(5);
    std::uniform_int_distribution<int> spin(1, 36);
    std::vector<int> spins(15000);
    for (int& s : spins)
        s = spin(engine);
    w.files.files["/perm/voll.txt"] = permanenceOf(spins);
    w.controller.okexternClick();
    ASSERT_TRUE(importPermanence(w.form, w.files, "/perm", "voll.txt"));
    testing::pressUntilEnd(w);

    const TallyResult tally = tallyPermanences(w.files, {"/perm/voll.txt"});
    ASSERT_EQ(tally.rows.size(), 1u);
    EXPECT_EQ(tally.rows[0].numbers, 5000u);
    EXPECT_EQ(w.form.state.kombiwurf, 5000);
    EXPECT_EQ(tally.counts, countsFromGrid(w.form.tabelle1));
}

TEST(TallyTest, NoTripleAndNoRepeatSpansTwoFiles)
{
    MemoryFileSystem files;
    // a.txt: 7, 7 and two spins of a triple never completed; b.txt: 7, 7.
    std::vector<int> a = composing({7, 7});
    a.insert(a.end(), {1, 2});
    files.files["/z/a.txt"] = permanenceOf(a);
    files.files["/a/b.txt"] = permanenceOf(composing({7, 7}));
    const TallyResult tally = tallyPermanences(files, {"/a/b.txt", "/z/a.txt"});

    ASSERT_EQ(tally.rows.size(), 2u);
    EXPECT_EQ(tally.rows[0].name, "a.txt");
    EXPECT_EQ(tally.rows[0].path, "/z/a.txt");
    EXPECT_EQ(tally.rows[0].spins, 8u);
    EXPECT_EQ(tally.rows[0].numbers, 2u);
    EXPECT_EQ(tally.rows[1].name, "b.txt");
    EXPECT_EQ(tally.rows[1].numbers, 2u);
    EXPECT_EQ(tally.counts.frequency[7], 4u);
    EXPECT_EQ(tally.counts.twiceInARow[7], 2u);
    EXPECT_EQ(tally.counts.threeInARow[7], 0u);
    EXPECT_EQ(total(tally.counts.frequency), 4u);
    EXPECT_EQ(tally.chances, (RepeatChances{2, 0}));
    EXPECT_FALSE(tally.cancelled);
}

TEST(TallyTest, EveryFileIsListedWithWhatItIs)
{
    MemoryFileSystem files;
    files.files["/p/1-gut.txt"] = permanenceOf({5, 17, 36, 0, 4});
    files.files["/p/2-fremd.txt"] = "Logbuch\r\n5\r\n";
    files.files["/p/3-null-bytes.txt"] = "";
    files.files["/p/4-nur-kopf.txt"] = header;
    files.files["/p/5-binaer.txt"] = std::string("\x7f"
                                                 "ELF\0\0\0",
                                                 7);
    const TallyResult tally =
        tallyPermanences(files, {"/p/6-fehlt.txt", "/p/5-binaer.txt", "/p/4-nur-kopf.txt",
                                 "/p/3-null-bytes.txt", "/p/2-fremd.txt", "/p/1-gut.txt"});
    struct Row {
        const char* name;
        const char* status;
        std::uint64_t spins, numbers;
    };
    const std::vector<Row> expected{
        {"1-gut.txt", "gelesen", 5, 1},         {"2-fremd.txt", "keine Permanenz", 0, 0},
        {"3-null-bytes.txt", "leer", 0, 0},     {"4-nur-kopf.txt", "leer", 0, 0},
        {"5-binaer.txt", "nicht lesbar", 0, 0}, {"6-fehlt.txt", "nicht lesbar", 0, 0}};
    ASSERT_EQ(tally.rows.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(tally.rows[i].name, expected[i].name);
        EXPECT_EQ(statusLabel(tally.rows[i].status), expected[i].status);
        EXPECT_EQ(tally.rows[i].spins, expected[i].spins);
        EXPECT_EQ(tally.rows[i].numbers, expected[i].numbers);
    }
    // 5, 17 and 36 compose 3: group 1, column 2, red.
    EXPECT_EQ(tally.counts.frequency[3], 1u);
    EXPECT_EQ(total(tally.counts.frequency), 1u);

    // As the window names the source and copies the list below the figures.
    EXPECT_EQ(tallySource(tally), "1 Permanenz, 1 Zahl");
    const std::string copied = tallyCopyText(tally, DistributionFigures{});
    EXPECT_NE(copied.find("\n\nDatei\tW\u00fcrfe\tZahlen\tErgebnis\n"
                          "1-gut.txt\t5\t1\tgelesen\n"
                          "2-fremd.txt\t0\t0\tkeine Permanenz\n"),
              std::string::npos)
        << copied;
    EXPECT_TRUE(copied.ends_with("6-fehlt.txt\t0\t0\tnicht lesbar\n")) << copied;
}

TEST(TallyTest, LeavesTheSessionAsItWas)
{
    TestWindow w;
    w.files.folders = {"/perm"};
    w.files.files["/perm/a.txt"] = permanenceOf(composing({3, 3, 3, 9, 20}));
    w.files.files["/perm/b.txt"] = permanenceOf(composing({1, 2}));
    w.controller.okexternClick();
    ASSERT_TRUE(importPermanence(w.form, w.files, "/perm", "a.txt"));
    testing::press(w, 7);
    const testing::ImportSnapshot before = testing::importSnapshot(w.form);
    const NumberCounts grid = countsFromGrid(w.form.tabelle1);
    const SessionState state = w.form.state;

    const TallyResult tally = tallyPermanences(w.files, {"/perm/a.txt", "/perm/b.txt"});
    EXPECT_EQ(total(tally.counts.frequency), 7u);

    EXPECT_EQ(testing::importSnapshot(w.form), before);
    EXPECT_EQ(countsFromGrid(w.form.tabelle1), grid);
    EXPECT_EQ(w.form.state.wurfnummer, state.wurfnummer);
    EXPECT_EQ(w.form.state.kombiwurf, state.kombiwurf);
    EXPECT_EQ(w.form.state.schritt, state.schritt);
    EXPECT_EQ(w.form.state.vorzahl, state.vorzahl);
    // The run goes on where it stood.
    testing::press(w, 2);
    EXPECT_EQ(w.form.state.kombiwurf, 3);
}

TEST(TallyTest, ACancelBetweenFilesKeepsTheFilesDone)
{
    MemoryFileSystem files;
    std::vector<std::string> paths;
    for (int i = 0; i < 10; ++i) {
        paths.push_back("/p/" + std::to_string(i) + ".txt");
        files.files[paths.back()] = permanenceOf(composing({i + 1, i + 1}));
    }
    std::vector<std::size_t> reported;
    TallyHooks hooks;
    hooks.progress = [&](std::size_t index, std::size_t count, const std::string& path) {
        EXPECT_EQ(count, 10u);
        EXPECT_EQ(path, paths[index]);
        reported.push_back(index);
    };
    hooks.cancelled = [&] { return reported.size() == 5; };
    const TallyResult tally = tallyPermanences(files, paths, hooks);

    EXPECT_TRUE(tally.cancelled);
    EXPECT_EQ(reported, (std::vector<std::size_t>{0, 1, 2, 3, 4}));
    // The fifth file was being read when the cancel came: it adds nothing.
    ASSERT_EQ(tally.rows.size(), 4u);
    const TallyResult firstFour = tallyPermanences(files, {paths.begin(), paths.begin() + 4});
    EXPECT_EQ(tally.counts, firstFour.counts);
    EXPECT_EQ(tally.chances, firstFour.chances);
    EXPECT_EQ(total(tally.counts.frequency), 8u);
}

TEST(TallyTest, ACancelInsideAGigabyteFileAnswersAtOnce)
{
    MemoryFileSystem files;
    // Empty lines after the header: three gigabytes of spins 0.
    files.generated["/p/riesig.txt"] = {header, 3ull << 30, '\n'};
    int polls = 0;
    TallyHooks hooks;
    hooks.cancelled = [&] { return ++polls > 100; };
    const TallyResult tally = tallyPermanences(files, {"/p/riesig.txt"}, hooks);
    EXPECT_TRUE(tally.cancelled);
    EXPECT_TRUE(tally.rows.empty());
    // Asked before every block: the cancel stops the reading within one.
    EXPECT_LE(files.bytesRequested, 100u * (1u << 16));
}

// As the window runs it: the reading on a thread of its own, the cancel and
// the progress crossing from and to the window's thread.
TEST(TallyTest, ACancelFromTheWindowsThreadEndsTheTallyBeside)
{
    MemoryFileSystem files;
    std::vector<std::string> paths;
    for (int i = 0; i < 40; ++i) {
        paths.push_back("/p/" + std::to_string(i) + ".txt");
        files.files[paths.back()] = permanenceOf(composing({i % 36 + 1, 4}));
    }
    // The last file never ends: only the cancel can stop its reading.
    files.generated["/p/zz-riesig.txt"] = {header, 3ull << 30, '\n'};
    paths.push_back("/p/zz-riesig.txt");
    std::atomic<std::size_t> begun{0};
    std::atomic<bool> cancel{false};
    TallyHooks hooks;
    hooks.progress = [&](std::size_t index, std::size_t, const std::string&) { begun = index + 1; };
    hooks.cancelled = [&] { return cancel.load(); };

    TallyResult tally;
    std::thread beside([&] { tally = tallyPermanences(files, paths, hooks); });
    while (begun < paths.size())
        std::this_thread::yield();
    cancel = true;
    beside.join();

    EXPECT_TRUE(tally.cancelled);
    EXPECT_EQ(tally.rows.size(), 40u);
    EXPECT_EQ(total(tally.counts.frequency), 80u);
    EXPECT_LT(files.bytesRequested, 3ull << 30);
}

} // namespace
} // namespace ravelin
