// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/rich_text_reader.h"

#include "text/windows1252.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace ravelin {
namespace {

std::string text(std::string_view rtf) { return RichTextReader::read(rtf).plainText(); }

// The run that holds the first occurrence of `piece`, or a default run when none does.
TextRun runWith(const RichDocument& doc, const std::string& piece)
{
    for (const Paragraph& p : doc.paragraphs)
        for (const TextRun& r : p.runs)
            if (r.text.find(piece) != std::string::npos)
                return r;
    ADD_FAILURE() << "no run holds \"" << piece << "\"";
    return {};
}

struct TextCase {
    const char* name;
    std::string rtf;
    std::string expected;
};

class ReaderText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ReaderText, ReadsTheShownText) { EXPECT_EQ(text(GetParam().rtf), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    RichTextReaderTest, ReaderText,
    ::testing::Values(
        TextCase{"hex_umlaut", "{\\rtf1\\ansi K\\'e4se und S\\'fc\\'dfes}",
                 "K\u00e4se und S\u00fc\u00dfes"},
        TextCase{"hex_is_windows1252_not_latin1", "{\\rtf1 \\'80 \\'84x\\'93}",
                 "\u20ac \u201ex\u201c"},
        TextCase{"hex_upper_case_digits", "{\\rtf1 \\'C4}", "\u00c4"},
        TextCase{"unicode_with_fallback", "{\\rtf1 \\u8364? Einsatz}", "\u20ac Einsatz"},
        TextCase{"unicode_fallback_is_a_hex_byte", "{\\rtf1 \\u228\\'e4b}", "\u00e4b"},
        TextCase{"negative_unicode_is_16_bit", "{\\rtf1 \\u-4064?}", "\uf020"},
        TextCase{"surrogate_pair_joined", "{\\rtf1 \\u-10179?\\u-8704?}", "\U0001F600"},
        TextCase{"lone_surrogate_replaced", "{\\rtf1 \\u-10179?x}", "\ufffdx"},
        TextCase{"uc2_skips_two_fallback_bytes", "{\\rtf1 \\uc2\\u8364\\'80\\'80 x}", "\u20ac x"},
        TextCase{"uc0_skips_nothing", "{\\rtf1 \\uc0\\u228 a}", "\u00e4a"},
        TextCase{"uc_is_restored_with_the_group", "{\\rtf1 {\\uc2\\u228 ab}\\u228 ab}",
                 "\u00e4\u00e4b"},
        TextCase{"fallback_skipping_ends_at_a_brace", "{\\rtf1 \\uc3\\u228{x}y}", "\u00e4xy"},
        TextCase{"control_word_counts_as_one_fallback", "{\\rtf1 \\u228\\emdash x}", "\u00e4x"},
        TextCase{"ignorable_destination_skipped",
                 "{\\rtf1 a{\\*\\unknownthing hidden {nested} text}b}", "ab"},
        TextCase{"known_destinations_skipped",
                 "{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\title Titel}{\\author A}}"
                 "{\\header Kopf}{\\*\\generator Writer;}x}",
                 "x"},
        TextCase{"picture_skipped", "{\\rtf1 a{\\pict\\pngblip 89504e470d0a}b}", "ab"},
        TextCase{"bin_data_skipped_even_braces", "{\\rtf1 a\\bin6 {}\\}{xb}", "ab"},
        TextCase{"bin_inside_picture", "{\\rtf1 {\\pict\\bin3 }}}}x}", "x"},
        TextCase{"bin_longer_than_input", "{\\rtf1 a\\bin999999999 xyz", "a"},
        TextCase{"bin_negative_skips_nothing", "{\\rtf1 a\\bin-5 b}", "ab"},
        TextCase{"escaped_characters", "{\\rtf1 a\\\\b\\{c\\}}", "a\\b{c}"},
        TextCase{"special_symbols", "{\\rtf1 \\ldblquote x\\rdblquote\\~\\endash\\bullet}",
                 "\u201cx\u201d\u00a0\u2013\u2022"},
        TextCase{"file_line_ends_ignored", "{\\rtf1 ab\r\ncd\ne}", "abcde"},
        TextCase{"delimiting_blank_consumed_once", "{\\rtf1 \\b  x}", " x"},
        TextCase{"missing_closing_braces", "{\\rtf1 {\\b a{\\i b", "ab"},
        TextCase{"text_after_the_document_ignored", "{\\rtf1 a}b}c", "a"},
        TextCase{"stray_brace_ends_the_document", "{\\rtf1 a}}{\\rtf1 b}", "a"},
        TextCase{"trailing_backslash", "{\\rtf1 a\\", "a"},
        TextCase{"truncated_hex", "{\\rtf1 a\\'", "a"},
        TextCase{"unknown_words_ignored", "{\\rtf1\\ansi\\ansicpg1252\\viewkind4\\lang1031 Text}",
                 "Text"},
        TextCase{"long_control_word_ignored",
                 "{\\rtf1 \\" + std::string(5000, 'q') + "12345678901234567890 z}", "z"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(RichTextReaderTest, NestedGroupsRestoreTheFormat)
{
    const RichDocument doc = RichTextReader::read("{\\rtf1 a{\\b b{\\i\\ul c}d}e{\\fs28 f}g}");
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    const std::vector<TextRun>& runs = doc.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 7u);
    EXPECT_EQ(runs[0].text, "a");
    EXPECT_EQ(runs[0].format, TextFormat{});
    EXPECT_TRUE(runs[1].format.bold && !runs[1].format.italic);
    EXPECT_TRUE(runs[2].format.bold && runs[2].format.italic && runs[2].format.underline);
    EXPECT_TRUE(runs[3].format.bold && !runs[3].format.italic && !runs[3].format.underline);
    EXPECT_EQ(runs[4].text, "e");
    EXPECT_EQ(runs[4].format, TextFormat{});
    EXPECT_EQ(runs[5].format.pointSize, 14.0);
    EXPECT_EQ(runs[6].format, TextFormat{});
}

TEST(RichTextReaderTest, SwitchesTakeZeroAsOff)
{
    const RichDocument doc =
        RichTextReader::read("{\\rtf1 \\b\\i\\ul a\\b0 b\\i0 c\\ulnone d\\ul e\\ul0 f}");
    EXPECT_TRUE(runWith(doc, "a").format.bold);
    EXPECT_FALSE(runWith(doc, "b").format.bold);
    EXPECT_TRUE(runWith(doc, "b").format.italic);
    EXPECT_FALSE(runWith(doc, "c").format.italic);
    EXPECT_TRUE(runWith(doc, "c").format.underline);
    EXPECT_FALSE(runWith(doc, "d").format.underline);
    EXPECT_TRUE(runWith(doc, "e").format.underline);
    EXPECT_FALSE(runWith(doc, "f").format.underline);
}

TEST(RichTextReaderTest, ParagraphsLineBreaksAndTabs)
{
    const RichDocument doc =
        RichTextReader::read("{\\rtf1 a\\tab b\\line c\\par\\par d\\\ne\\par}");
    ASSERT_EQ(doc.paragraphs.size(), 4u);
    EXPECT_EQ(doc.paragraphs[0].runs.at(0).text, "a\tb\nc");
    EXPECT_TRUE(doc.paragraphs[1].runs.empty()) << "an empty paragraph is a blank line";
    EXPECT_EQ(doc.paragraphs[2].runs.at(0).text, "d");
    EXPECT_EQ(doc.paragraphs[3].runs.at(0).text, "e");
}

TEST(RichTextReaderTest, ColourTable)
{
    const RichDocument doc = RichTextReader::read(
        "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue192;\\red0\\green0\\blue0;}"
        "\\cf1 r\\cf2 b\\cf3 k\\cf0 n\\cf9 z{\\cf1 g}h}");
    EXPECT_EQ(runWith(doc, "r").format.colour, rgb(255, 0, 0));
    EXPECT_EQ(runWith(doc, "b").format.colour, rgb(0, 0, 192));
    EXPECT_EQ(runWith(doc, "k").format.colour, std::optional<Colour>(rgb(0, 0, 0)))
        << "black is a colour";
    EXPECT_FALSE(runWith(doc, "n").format.colour)
        << "entry 0 without components is the viewer's colour";
    EXPECT_FALSE(runWith(doc, "z").format.colour) << "an index past the table";
    EXPECT_EQ(runWith(doc, "g").format.colour, rgb(255, 0, 0));
    EXPECT_FALSE(runWith(doc, "h").format.colour);
    EXPECT_EQ(doc.plainText(), "rbknzgh") << "the table itself shows nothing";
}

TEST(RichTextReaderTest, FontTableGivesFamilyNames)
{
    const RichDocument doc = RichTextReader::read(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 MS Sans Serif;}"
        "{\\f1\\fmodern{\\*\\panose 02070309020205020404}Courier New;}{\\f2\\froman Caf\\'e9 "
        "Serif;}}"
        "a\\f1 b\\f2 c\\f7 d\\plain e{\\f1 f}g}");
    EXPECT_EQ(runWith(doc, "a").format.fontFamily, "MS Sans Serif") << "the default font";
    EXPECT_EQ(runWith(doc, "b").format.fontFamily, "Courier New");
    EXPECT_EQ(runWith(doc, "c").format.fontFamily, "Caf\u00e9 Serif");
    EXPECT_EQ(runWith(doc, "d").format.fontFamily, "") << "an unknown font number";
    EXPECT_EQ(runWith(doc, "e").format.fontFamily, "MS Sans Serif");
    EXPECT_EQ(runWith(doc, "f").format.fontFamily, "Courier New");
    EXPECT_EQ(runWith(doc, "g").format.fontFamily, "MS Sans Serif");
    EXPECT_EQ(doc.plainText(), "abcdefg");
}

TEST(RichTextReaderTest, FontSizesAreHalfPointsAndBounded)
{
    const RichDocument doc =
        RichTextReader::read("{\\rtf1 \\fs17 a\\fs99999999999999 b\\fs0 c\\fs-4 d}");
    EXPECT_EQ(runWith(doc, "a").format.pointSize, 8.5);
    EXPECT_GT(runWith(doc, "b").format.pointSize, 0.0);
    EXPECT_LE(runWith(doc, "b").format.pointSize, 2000.0);
    EXPECT_EQ(runWith(doc, "c").format.pointSize, 0.0);
    EXPECT_EQ(runWith(doc, "d").format.pointSize, 0.0);
}

TEST(RichTextReaderTest, ParagraphFormatTakesEffectAtTheParagraphEnd)
{
    const RichDocument doc =
        RichTextReader::read("{\\rtf1 \\qc a\\par b{\\qr\\par}\\pard\\li360\\fi-240\\sb60\\sa120 "
                             "c\\par\\qj d\\par\\pard e}");
    ASSERT_EQ(doc.paragraphs.size(), 5u);
    EXPECT_EQ(doc.paragraphs[0].alignment, ParagraphAlignment::Centre);
    EXPECT_EQ(doc.paragraphs[1].alignment, ParagraphAlignment::Right);
    EXPECT_EQ(doc.paragraphs[2].alignment, ParagraphAlignment::Left)
        << "\\pard after a closed group";
    EXPECT_EQ(doc.paragraphs[2].leftIndent, 360);
    EXPECT_EQ(doc.paragraphs[2].firstLineIndent, -240);
    EXPECT_EQ(doc.paragraphs[2].spaceBefore, 60);
    EXPECT_EQ(doc.paragraphs[2].spaceAfter, 120);
    EXPECT_EQ(doc.paragraphs[3].alignment, ParagraphAlignment::Justify);
    EXPECT_EQ(doc.paragraphs[3].leftIndent, 360);
    EXPECT_EQ(doc.paragraphs[4].leftIndent, 0);
    EXPECT_EQ(doc.paragraphs[4].alignment, ParagraphAlignment::Left);
}

TEST(RichTextReaderTest, DeepNestingIsReadFlatBeyondTheLimit)
{
    const int depth = 100000;
    const std::string rtf =
        "{\\rtf1 " + std::string(depth, '{') + "\\b x" + std::string(depth, '}') + "y}";
    const RichDocument doc = RichTextReader::read(rtf);
    EXPECT_EQ(doc.plainText(), "xy");
    EXPECT_TRUE(runWith(doc, "x").format.bold);
    EXPECT_FALSE(runWith(doc, "y").format.bold) << "the groups within the limit still restore";

    // Formatting in groups just inside the limit is still undone.
    const int inside = RichTextReader::maxGroupDepth - 1;
    const std::string near =
        "{\\rtf1 " + std::string(inside, '{') + "\\i a" + std::string(inside, '}') + "b}";
    const RichDocument nearDoc = RichTextReader::read(near);
    EXPECT_TRUE(runWith(nearDoc, "a").format.italic);
    EXPECT_FALSE(runWith(nearDoc, "b").format.italic);
}

// Garbage made of the format's own pieces must neither crash nor leave
// anything in the document that is not well-formed text.
TEST(RichTextReaderTest, HostileInputGivesWellFormedText)
{
    const char* pieces[] = {
        "{",     "}",     "\\",    "\\'",        "\\'f",      "\\'ff", "\\u",    "\\u-",
        "\\u-1", "\\uc9", "\\bin", "\\bin2",     "\\*",       "\\par", "\\pict", "\\fonttbl",
        "\\f1",  ";",     "\\cf3", "\\colortbl", "\\red999",  "\\fs",  "x",      "\xe4",
        "\xff",  " ",     "\\-",   "\\u55296?",  "\\u-9000?", "\r\n",  "\\b0",   "\\line"};
    std::uint32_t seed = 12345;
    std::string rtf = "{\\rtf1";
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        rtf += pieces[(seed >> 16) % std::size(pieces)];
    }
    const RichDocument doc = RichTextReader::read(rtf);
    for (const Paragraph& p : doc.paragraphs)
        for (const TextRun& r : p.runs) {
            ASSERT_TRUE(isValidUtf8(r.text));
            ASSERT_FALSE(r.text.empty()) << "no empty runs";
        }
}

TEST(RichTextReaderTest, InfoFileKindDecision)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> paragraphs;
    };
    const Case cases[] = {
        {"rich text", "{\\rtf1 {\\b fett}\\par zwei}", {"fett", "zwei"}},
        {"utf8 plain text",
         "Gr\xc3\xb6\xc3\x9f"
         "e\r\nZeile 2",
         {"Gr\u00f6\u00dfe", "Zeile 2"}},
        {"utf8 byte order mark dropped", "\xef\xbb\xbfHallo", {"Hallo"}},
        {"windows-1252 plain text",
         "Gr\xf6\xdf"
         "e \x80\r\n",
         {"Gr\u00f6\u00dfe \u20ac", ""}},
        {"lone carriage returns", "a\rb\n\nc", {"a", "b", "", "c"}},
        {"rich text not at the start", " {\\rtf1 \\b x}", {" {\\rtf1 \\b x}"}},
        {"braces in plain text", "{x}", {"{x}"}},
        {"empty file", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RichDocument doc = RichTextReader::readInfoFile(c.bytes);
        std::vector<std::string> paragraphs;
        for (const Paragraph& p : doc.paragraphs) {
            std::string line;
            for (const TextRun& r : p.runs)
                line += r.text;
            paragraphs.push_back(line);
        }
        EXPECT_EQ(paragraphs, c.paragraphs);
    }
    EXPECT_TRUE(RichTextReader::readInfoFile("{\\rtf1 {\\b fett}}")
                    .paragraphs.at(0)
                    .runs.at(0)
                    .format.bold);
}

// The info text that the program ships beside itself.
std::string shippedInfoText()
{
    const std::filesystem::path path = RAVELIN_INFO_TEXT;
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << path;
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

TEST(RichTextReaderTest, TheProgramsOwnInfoTextReadsWell)
{
    const std::string bytes = shippedInfoText();
    ASSERT_TRUE(RichTextReader::isRichText(bytes));
    EXPECT_TRUE(isValidUtf8(bytes)) << "umlauts are written as escapes, the file is plain ASCII";
    for (char c : bytes)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80u) << "umlauts are written as escapes";

    const RichDocument doc = RichTextReader::readInfoFile(bytes);
    const std::string shown = doc.plainText();
    EXPECT_GT(doc.paragraphs.size(), 30u);
    for (char c : {'\\', '{', '}'})
        EXPECT_EQ(shown.find(c), std::string::npos) << "a control word leaked: " << c;
    EXPECT_EQ(shown.find("\ufffd"), std::string::npos);

    for (const char* words : {"Sechsergruppe",
                              "Kolonne",
                              "Farbe",
                              "H\u00e4ufigkeit",
                              "2fach",
                              "3fach",
                              "Einzelschritt",
                              "Durchlauf",
                              "Halt bei Wurf..",
                              "Rotation/37",
                              "Spielbank Hamburg",
                              "Permanenz",
                              "Start",
                              "Weiter",
                              "Abbruch",
                              "Import",
                              "Ende",
                              "Ende Info",
                              "Abbr.",
                              "OK",
                              "markier",
                              "gr\u00fcn",
                              "W\u00fcrfe",
                              "\u201e-\u201c",
                              "\u201e=\u201c"})
        EXPECT_NE(shown.find(words), std::string::npos) << words;

    bool bold = false;
    bool plain = false;
    for (const Paragraph& p : doc.paragraphs)
        for (const TextRun& r : p.runs) {
            bold = bold || r.format.bold;
            plain = plain || !r.format.bold;
            EXPECT_GT(r.format.pointSize, 6.0)
                << "every run has a size that reads in the viewer: " << r.text;
            EXPECT_LE(r.format.pointSize, 12.0) << r.text;
        }
    EXPECT_TRUE(bold && plain) << "headings stand out from the text";
}

} // namespace
} // namespace ravelin
