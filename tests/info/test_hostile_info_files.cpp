// SPDX-License-Identifier: GPL-3.0-or-later
// Info files of a few megabytes in shapes no editor writes: the viewer must
// neither crash nor hang, show valid UTF-8 no bigger than the file allows,
// and report a file it cannot read inside the viewer.

#include "info/info_viewer.h"
#include "info/rich_text_reader.h"
#include "support/scripted_platform.h"
#include "text/windows1252.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace ravelin {
namespace {

using testing::TestWindow;

constexpr std::size_t megabytes = 1 << 20;
const std::string infoPath = "/opt/ravelin/info_ravelin.txt";
const std::string failureText = "Problem:\nKann die Datei Info_Ravelin.txt nicht finden.";
const std::string shortened = InfoViewer::shortenedLine;

std::string repeated(const std::string& piece, std::size_t times)
{
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

struct Shape {
    const char* what;
    std::string content;
    std::string expectedStart; // what the shown text begins with
};

std::vector<Shape> hostileShapes()
{
    return {
        {"NUL bytes only", std::string(4 * megabytes, '\0'), std::string(16, '\0')},
        {"one enormous line", std::string(4 * megabytes, 'a'), "aaaa"},
        {"a million commas", std::string(megabytes, ','), ",,,,"},
        {"bytes of the code page above 0x7F", repeated("\x80\xE4\xFF", megabytes),
         "\u20ac\u00e4\u00ff"},
        {"a million groups opened, never closed", "{\\rtf1 " + std::string(megabytes, '{') + "tief",
         shortened},
        {"a million groups nested and closed",
         "{\\rtf1 a" + std::string(megabytes, '{') + "b" + std::string(megabytes, '}') + "c}",
         "a\n" + shortened},
        {"a million paragraphs", "{\\rtf1 x" + repeated("\\par ", megabytes / 4) + "}", "x\n\n"},
        {"binary data longer than the file",
         "{\\rtf1 vorher\\bin99999999999 " + std::string(megabytes, 'z') + "}", "vorher"},
        {"a control word of megabytes", "{\\rtf1 \\" + std::string(2 * megabytes, 'q') + " danach}",
         shortened},
        {"a parameter of megabytes", "{\\rtf1 \\fs" + std::string(2 * megabytes, '9') + " danach}",
         shortened},
        {"a font name of megabytes",
         "{\\rtf1{\\fonttbl{\\f0 " + std::string(2 * megabytes, 'F') + ";}}\\f0 " +
             repeated("x\\b y\\b0 ", 100000) + "}",
         shortened},
        {"NUL bytes inside rich text", "{\\rtf1 a" + std::string(megabytes, '\0') + "b}",
         "a\n" + shortened},
        {"a storm of 800,000 paragraph marks", "{\\rtf1 " + repeated("\\par", 800000) + "}",
         "\n\n"},
        {"a storm of 2.6 million lines", repeated("x\n", 2600000), "x\nx\n"},
        {"Unicode escapes with fallbacks that never come",
         "{\\rtf1\\uc9 " + repeated("\\u55357", 300000) + "}", ""},
    };
}

TEST(HostileInfoFileTest, EveryShapeIsShownBoundedAndValid)
{
    for (const Shape& shape : hostileShapes()) {
        SCOPED_TRACE(shape.what);
        TestWindow w;
        w.files.files[infoPath] = shape.content;
        const auto start = std::chrono::steady_clock::now();
        w.controller.okinfoClick();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

        EXPECT_EQ(w.form.okinfo.caption(), "Ende Info");
        EXPECT_TRUE(w.form.infotext.visible());
        const std::string shown = w.form.infotext.text();
        EXPECT_NE(shown, failureText);
        EXPECT_TRUE(isValidUtf8(shown));
        EXPECT_TRUE(shown.starts_with(shape.expectedStart)) << shown.substr(0, 40);
        // No byte of the file becomes more than three bytes of text.
        EXPECT_LE(shown.size(), 3 * shape.content.size());
        // Every shape is longer than the viewer takes: cut, and said so.
        const RichDocument& doc = w.form.infotext.document();
        EXPECT_LE(doc.paragraphs.size(), InfoViewer::maxParagraphs + 1);
        EXPECT_LE(shown.size(), 3 * InfoViewer::maxBytes + shortened.size());
        EXPECT_TRUE(shown.ends_with(shortened)) << shown.substr(0, 40);
        EXPECT_LT(took.count(), 20.0) << "reading must stay linear in the file";

        // The next press hides and empties the viewer as always.
        w.controller.okinfoClick();
        EXPECT_FALSE(w.form.infotext.visible());
        EXPECT_EQ(w.form.infotext.text(), "");
    }
}

TEST(HostileInfoFileTest, DeepNestingKeepsTheFormatOfTheDepthLimit)
{
    // Beyond the depth limit groups are read flat: the bold switched on deep
    // inside stays on up to the end, where the limit's groups close again.
    const std::size_t depth = 100000;
    const std::string content =
        "{\\rtf1 " + std::string(depth, '{') + "\\b fett" + std::string(depth, '}') + " normal}";
    const RichDocument doc = RichTextReader::read(content);
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    EXPECT_EQ(doc.plainText(), "fett normal");
    ASSERT_FALSE(doc.paragraphs[0].runs.empty());
    EXPECT_TRUE(doc.paragraphs[0].runs.front().format.bold);
    EXPECT_FALSE(doc.paragraphs[0].runs.back().format.bold)
        << "the document's own group restores the format";
}

TEST(HostileInfoFileTest, AFileThatCannotBeReadIsReportedInTheViewer)
{
    TestWindow w;
    // No file at all, then a folder in its place (which no file system reads as a file).
    w.controller.okinfoClick();
    EXPECT_EQ(w.form.infotext.text(), failureText);
    w.controller.okinfoClick();

    w.files.folders = {"/opt", "/opt/ravelin", infoPath};
    w.controller.okinfoClick();
    EXPECT_EQ(w.form.infotext.text(), failureText);
    EXPECT_EQ(w.form.okinfo.caption(), "Ende Info");
    w.controller.okinfoClick();

    // A file system that fails as memory runs out: the same report, and the
    // next press hides the viewer as always.
    w.files.folders.clear();
    w.files.files[infoPath] = "Hilfe";
    w.files.throwing = true;
    w.controller.okinfoClick();
    EXPECT_EQ(w.form.infotext.text(), failureText);
    EXPECT_EQ(w.form.okinfo.caption(), "Ende Info");
    w.controller.okinfoClick();
    EXPECT_FALSE(w.form.infotext.visible());
    w.files.throwing = false;
    w.controller.okinfoClick();
    EXPECT_EQ(w.form.infotext.text(), "Hilfe");
}

TEST(HostileInfoFileTest, AFileJustWithinTheBoundsIsShownWhole)
{
    // Exactly as many bytes and paragraphs as are taken: nothing is cut.
    TestWindow w;
    std::string lines = repeated("y\n", InfoViewer::maxParagraphs - 1) + "y";
    lines += std::string(InfoViewer::maxBytes - lines.size(), 'z');
    w.files.files[infoPath] = lines;
    w.controller.okinfoClick();
    EXPECT_EQ(w.form.infotext.document().paragraphs.size(), InfoViewer::maxParagraphs);
    EXPECT_EQ(w.form.infotext.text(), lines);

    // One byte more cuts at the last whole line; one line more, in few
    // bytes, at the bound.
    const std::pair<std::string, std::size_t> longer[] = {
        {lines + "z", InfoViewer::maxParagraphs - 1},
        {repeated("y\n", InfoViewer::maxParagraphs) + "y", InfoViewer::maxParagraphs}};
    for (const auto& [content, kept] : longer) {
        w.controller.okinfoClick();
        w.files.files[infoPath] = content;
        w.controller.okinfoClick();
        const RichDocument& doc = w.form.infotext.document();
        ASSERT_EQ(doc.paragraphs.size(), kept + 1);
        EXPECT_EQ(doc.paragraphs.back().runs.at(0).text, shortened);
        EXPECT_EQ(doc.paragraphs[kept - 1].runs.at(0).text, "y");
    }
}

} // namespace
} // namespace ravelin
