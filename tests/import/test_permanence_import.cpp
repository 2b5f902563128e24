// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/permanence_import.h"
#include "support/import_snapshot.h"
#include "support/scripted_platform.h"
#include "window/guidance_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ravelin {
namespace {

using testing::ImportSnapshot;
using testing::importSnapshot;
using testing::TestWindow;

const std::string example = "Spielbank Hamburg\r\n"
                            "Tisch 4\r\n"
                            "Montag 3. M\xE4rz 2003\r\n"
                            "Zahl\r\n"
                            "17\r\n"
                            "------\r\n"
                            "0\r\n"
                            "32\r\n"
                            "======\r\n"
                            "5\r\n";

// The window with its panel open, as OK finds it.
void openPanel(TestWindow& w)
{
    w.controller.okexternClick();
    ASSERT_TRUE(w.form.Frame1.visible());
}

TEST(PermanenceImportTest, LoadsTheExampleIntoTheSession)
{
    TestWindow w;
    w.files.folders = {"/perm"};
    w.files.files["/perm/hh.txt"] = example;
    openPanel(w);

    ASSERT_TRUE(importPermanence(w.form, w.files, "/perm", "hh.txt"));

    const FormModel& f = w.form;
    std::vector<double> slots(24, 0);
    slots[1] = 17;
    slots[3] = 32;
    EXPECT_EQ(f.state.permanenz, slots);
    EXPECT_EQ(f.state.importanzahl, 3);
    EXPECT_EQ(f.state.wurfanzahl, 3);
    EXPECT_EQ(f.state.importmodus, 1);
    EXPECT_EQ(f.textanzahl.text(), "3");
    EXPECT_TRUE(f.okstart.enabled());
    EXPECT_EQ(f.text.caption(), "Spielbank Hamburg\rTisch 4\rMontag 3. M\u00e4rz 2003");
    EXPECT_FALSE(f.Frame1.visible());
    EXPECT_FALSE(f.okextern.enabled());
    EXPECT_TRUE(f.okabbrechen.enabled());
    EXPECT_EQ(f.Label15.caption(), "hh.txt");
    // The next choice of permanences starts where this one came from.
    EXPECT_EQ(f.permanenceFolder, "/perm");
    // Said once, in words: the file, its shown header lines, its spins.
    EXPECT_EQ(
        f.announcement.words(),
        "hh.txt importiert. Spielbank Hamburg, Tisch 4, Montag 3. M\u00e4rz 2003. 3 W\u00fcrfe");
}

TEST(PermanenceImportTest, HeaderLinesShowDecodedInTheGuidance)
{
    TestWindow w;
    w.files.files["/hh.txt"] = "Spielbank Hamburg \x96 Franz\xF6sisches Roulette\r\n"
                               "Tisch 4\r\nM\xE4rz 2003\r\nZahl\r\n8\r\n";
    ASSERT_TRUE(importPermanence(w.form, w.files, "/", "hh.txt"));
    EXPECT_EQ(w.form.text.caption(),
              "Spielbank Hamburg \u2013 Franz\u00f6sisches Roulette\rTisch 4\rM\u00e4rz 2003");
}

TEST(PermanenceImportTest, ReplacesATypedSpinCount)
{
    TestWindow w;
    w.files.files["/hh.txt"] = example;
    w.controller.textanzahlEdited("150");
    ASSERT_EQ(w.form.state.wurfanzahl, 150);

    ASSERT_TRUE(importPermanence(w.form, w.files, "/", "hh.txt"));
    EXPECT_EQ(w.form.textanzahl.text(), "3");
    EXPECT_EQ(w.form.state.wurfanzahl, 3);
    EXPECT_TRUE(w.form.okstart.enabled());
}

TEST(PermanenceImportTest, HeaderWithoutSpinsIsReplayOfNothing)
{
    TestWindow w;
    w.files.files["/hh.txt"] = "Spielbank Hamburg\r\nTisch 4\r\nMontag\r\nZahl\r\n=====\r\n17\r\n";
    w.controller.textanzahlEdited("50");
    ASSERT_TRUE(w.form.okstart.enabled());
    openPanel(w);

    ASSERT_TRUE(importPermanence(w.form, w.files, "/", "hh.txt"));

    const FormModel& f = w.form;
    EXPECT_EQ(f.state.permanenz, std::vector<double>(21, 0));
    EXPECT_EQ(f.state.importanzahl, 0);
    EXPECT_EQ(f.state.wurfanzahl, 0);
    EXPECT_EQ(f.state.importmodus, 1);
    EXPECT_EQ(f.textanzahl.text(), "");
    EXPECT_FALSE(f.okstart.enabled());
    EXPECT_FALSE(f.Frame1.visible());
    EXPECT_FALSE(f.okextern.enabled());
    EXPECT_TRUE(f.okabbrechen.enabled());
}

TEST(PermanenceImportTest, EveryImportStartsTheListAnew)
{
    TestWindow w;
    w.files.files["/long.txt"] = "Spielbank\r\na\r\nb\r\nc\r\n1\r\n2\r\n3\r\n4\r\n5\r\n";
    w.files.files["/short.txt"] = "Spielbank\r\na\r\nb\r\nc\r\n9\r\n";
    ASSERT_TRUE(importPermanence(w.form, w.files, "/", "long.txt"));
    ASSERT_TRUE(importPermanence(w.form, w.files, "/", "short.txt"));
    std::vector<double> slots(22, 0);
    slots[1] = 9;
    EXPECT_EQ(w.form.state.permanenz, slots);
    EXPECT_EQ(w.form.Label15.caption(), "short.txt");
}

TEST(PermanenceImportTest, FileNameThatIsNoUtf8IsShownInTheCodePage)
{
    TestWindow w;
    w.files.files["/M\xE4rz.txt"] = example;
    ASSERT_TRUE(importPermanence(w.form, w.files, "/", "M\xE4rz.txt"));
    EXPECT_EQ(w.form.Label15.caption(), "M\u00e4rz.txt");
}

struct RefusedCase {
    const char* name;
    const char* folder;
    const char* file;
};

class RefusedImportTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedImportTest, ChangesNothingAtAll)
{
    TestWindow w;
    w.files.folders = {"/perm", "/perm/folder.txt"};
    w.files.files["/perm/empty.txt"] = "";
    w.files.files["/perm/small.txt"] = "spielbank Hamburg\r\na\r\nb\r\nc\r\n17\r\n";
    w.files.files["/perm/bom.txt"] = "\xEF\xBB\xBFSpielbank Hamburg\r\na\r\nb\r\nc\r\n17\r\n";
    w.files.files["/perm/short.txt"] = "Spielbank Hamburg\r\nTisch 4\r\nMontag\r\n";
    // Found only by a path with a doubled separator.
    w.files.files["/perm//doubled.txt"] = example;
    w.controller.textanzahlEdited("50");
    w.form.state.importanzahl = 7;
    w.form.state.permanenz = {0, 4, 5};
    openPanel(w);
    const ImportSnapshot before = importSnapshot(w.form);

    w.form.announcement.clear();
    EXPECT_FALSE(importPermanence(w.form, w.files, GetParam().folder, GetParam().file));
    EXPECT_EQ(importSnapshot(w.form), before);
    EXPECT_EQ(w.form.permanenceFolder, "");
    EXPECT_EQ(w.form.announcement.words(), "");
}

INSTANTIATE_TEST_SUITE_P(Files, RefusedImportTest,
                         ::testing::Values(RefusedCase{"Empty", "/perm", "empty.txt"},
                                           RefusedCase{"SmallLetters", "/perm", "small.txt"},
                                           RefusedCase{"ByteOrderMark", "/perm", "bom.txt"},
                                           RefusedCase{"ShortHeader", "/perm", "short.txt"},
                                           RefusedCase{"Missing", "/perm", "gone.txt"},
                                           RefusedCase{"Folder", "/perm", "folder.txt"},
                                           RefusedCase{"NoneSelected", "/perm", ""},
                                           RefusedCase{"NoDoubledSeparator", "/perm/",
                                                       "doubled.txt"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PermanenceImportTest, RootFolderGetsNoSecondSeparator)
{
    TestWindow w;
    w.files.files["/hh.txt"] = example;
    EXPECT_TRUE(importPermanence(w.form, w.files, "/", "hh.txt"));
}

} // namespace
} // namespace ravelin
