// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/rich_text_reader.h"
#include "support/scripted_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ravelin {
namespace {

using testing::TestWindow;

const std::string infoPath = "/opt/ravelin/info_ravelin.txt";
const std::string failureText = "Problem:\nKann die Datei Info_Ravelin.txt nicht finden.";

struct InfoViewerTest : ::testing::Test {
    TestWindow w;
    Button& okinfo = w.form.okinfo;
    RichTextViewer& viewer = w.form.infotext;

    void press() { w.controller.okinfoClick(); }

    void expectHidden()
    {
        EXPECT_EQ(okinfo.caption(), "Info");
        EXPECT_FALSE(viewer.visible());
        EXPECT_TRUE(viewer.document().paragraphs.empty());
        EXPECT_EQ(viewer.text(), "");
    }
};

TEST_F(InfoViewerTest, TogglesWithTheFile)
{
    w.files.files[infoPath] = "{\\rtf1 {\\b Ravelin}\\par Hilfe}";
    expectHidden();

    press();
    EXPECT_EQ(okinfo.caption(), "Ende Info");
    EXPECT_TRUE(viewer.visible());
    EXPECT_EQ(viewer.text(), "Ravelin\nHilfe");
    ASSERT_FALSE(viewer.document().paragraphs.empty());
    EXPECT_TRUE(viewer.document().paragraphs[0].runs.at(0).format.bold)
        << "shown with its formatting";

    press();
    expectHidden();

    press();
    EXPECT_EQ(okinfo.caption(), "Ende Info");
    EXPECT_EQ(viewer.text(), "Ravelin\nHilfe") << "loaded again at the third press";
}

TEST_F(InfoViewerTest, WithoutTheFileTheViewerSaysSo)
{
    press();
    EXPECT_TRUE(viewer.visible());
    EXPECT_EQ(okinfo.caption(), "Ende Info");
    EXPECT_EQ(viewer.text(), failureText);
    ASSERT_EQ(viewer.document().paragraphs.size(), 2u) << "two lines";
    EXPECT_EQ(w.confirmation.prompts.size(), 0u) << "no message box";

    press();
    expectHidden();

    // Once the file is there, the next showing finds it.
    w.files.files[infoPath] = "Jetzt da";
    press();
    EXPECT_EQ(viewer.text(), "Jetzt da");
}

TEST_F(InfoViewerTest, AChangedFileIsSeenAtTheNextShowing)
{
    w.files.files[infoPath] = "{\\rtf1 erste Fassung}";
    press();
    EXPECT_EQ(viewer.text(), "erste Fassung");
    w.files.files[infoPath] = "{\\rtf1 zweite Fassung}";
    EXPECT_EQ(viewer.text(), "erste Fassung") << "read at the showing only";
    press();
    press();
    EXPECT_EQ(viewer.text(), "zweite Fassung");

    w.files.files.erase(infoPath);
    press();
    press();
    EXPECT_EQ(viewer.text(), failureText) << "a file gone since the last showing";
}

TEST_F(InfoViewerTest, TheFileIsBesideTheProgramOrInItsShareFolder)
{
    const std::string beside = "/usr/bin/info_ravelin.txt";
    const std::string shared = "/usr/bin/../share/ravelin/info_ravelin.txt";
    struct Case {
        const char* what;
        std::vector<std::string> present;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"beside the program", {beside}, beside},
        {"in share/ravelin of an installed tree", {shared}, shared},
        {"beside the program wins", {beside, shared}, beside},
        {"the current folder is never searched", {infoPath}, failureText},
    };
    for (const Case& c : cases) {
        w.files.exeFolder = "/usr/bin";
        w.files.current = "/opt/ravelin";
        w.files.files.clear();
        for (const std::string& path : c.present)
            w.files.files[path] = path;
        press();
        EXPECT_EQ(viewer.text(), c.shown) << c.what;
        press();
    }

    w.files.files.clear();
    w.files.files[shared] = "Gr\xf6\xdf"
                            "e";
    press();
    EXPECT_EQ(viewer.text(), "Gr\u00f6\u00dfe") << "plain text in the single-byte code page";
}

TEST_F(InfoViewerTest, AnEmptyFileShowsAnEmptyViewer)
{
    w.files.files[infoPath] = "";
    press();
    EXPECT_TRUE(viewer.visible());
    EXPECT_EQ(okinfo.caption(), "Ende Info");
    EXPECT_EQ(viewer.text(), "");
}

TEST_F(InfoViewerTest, TheViewerLeavesTheRunAlone)
{
    w.files.files[infoPath] = "{\\rtf1 x}";
    w.controller.textanzahlEdited("30");
    w.controller.okstartClick();
    const double spin = w.form.state.wurfnummer;
    press();
    EXPECT_TRUE(w.form.okstart.enabled());
    w.controller.okstartClick();
    EXPECT_GT(w.form.state.wurfnummer, spin) << "the run goes on behind the viewer";
    EXPECT_TRUE(viewer.visible());
    EXPECT_EQ(okinfo.caption(), "Ende Info");
}

TEST_F(InfoViewerTest, ThePressMarksTheControlsForTheView)
{
    w.files.files[infoPath] = "{\\rtf1 x}";
    okinfo.takeChanged();
    viewer.takeChanged();
    press();
    EXPECT_TRUE(okinfo.takeChanged());
    EXPECT_TRUE(viewer.takeChanged());
    press();
    EXPECT_TRUE(okinfo.takeChanged());
    EXPECT_TRUE(viewer.takeChanged());
}

} // namespace
} // namespace ravelin
