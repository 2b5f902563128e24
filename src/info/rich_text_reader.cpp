// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/rich_text_reader.h"

#include "text/windows1252.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ravelin {

namespace {

// Font names longer than this are cut: no real family name comes near it, and
// it keeps comparing two formats cheap however long a hostile name is.
constexpr std::size_t maxFontName = 64;
// Control words longer than this are unknown anyway; their letters are still consumed.
constexpr std::size_t maxWordLength = 32;
// Indents and spacing beyond 22 inches are nonsense; they are cut to that.
constexpr int maxTwips = 31680;

enum class Destination { Text, Skip, FontTable, ColourTable };

struct ParagraphFormat {
    ParagraphAlignment alignment = ParagraphAlignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
};

// What a group saves on entry and gets back on exit.
struct GroupState {
    TextFormat format;
    ParagraphFormat paragraph;
    Destination destination = Destination::Text;
    int unicodeSkip = 1; // fallback characters after \uN
};

// Groups whose content is never shown, and what lies in them is skipped whole.
constexpr std::string_view skippedDestinations[] = {"aftncn",
                                                    "aftnsep",
                                                    "aftnsepc",
                                                    "annotation",
                                                    "atnauthor",
                                                    "atndate",
                                                    "atnicn",
                                                    "atnid",
                                                    "atnparent",
                                                    "atnref",
                                                    "atntime",
                                                    "atrfend",
                                                    "atrfstart",
                                                    "author",
                                                    "bkmkend",
                                                    "bkmkstart",
                                                    "buptim",
                                                    "category",
                                                    "colorschememapping",
                                                    "comment",
                                                    "company",
                                                    "creatim",
                                                    "datafield",
                                                    "datastore",
                                                    "docvar",
                                                    "doccomm",
                                                    "fldinst",
                                                    "filetbl",
                                                    "footer",
                                                    "footerf",
                                                    "footerl",
                                                    "footerr",
                                                    "footnote",
                                                    "ftncn",
                                                    "ftnsep",
                                                    "ftnsepc",
                                                    "generator",
                                                    "header",
                                                    "headerf",
                                                    "headerl",
                                                    "headerr",
                                                    "info",
                                                    "keywords",
                                                    "latentstyles",
                                                    "listoverridetable",
                                                    "listtable",
                                                    "manager",
                                                    "nonshppict",
                                                    "objclass",
                                                    "objdata",
                                                    "object",
                                                    "objname",
                                                    "operator",
                                                    "pgdsctbl",
                                                    "pict",
                                                    "printim",
                                                    "private",
                                                    "revtbl",
                                                    "revtim",
                                                    "rsidtbl",
                                                    "stylesheet",
                                                    "subject",
                                                    "themedata",
                                                    "title",
                                                    "xmlnstbl"};

bool isSkippedDestination(std::string_view word)
{
    return std::find(std::begin(skippedDestinations), std::end(skippedDestinations), word) !=
           std::end(skippedDestinations);
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

class Parser {
public:
    Parser(std::string_view input, ReadBounds bounds) : in_(input), bounds_(bounds) {}

    RichDocument run()
    {
        while (pos_ < in_.size() && !ended_ && doc_.paragraphs.size() < bounds_.paragraphs) {
            const char c = in_[pos_++];
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                control();
                break;
            case '\r':
            case '\n':
                break; // line ends of the file itself mean nothing
            default:
                character(c);
                break;
            }
        }
        flushSurrogate();
        // The last paragraph of bytes cut from a longer file is not whole;
        // it is kept only when it is all there is.
        const bool whole = !bounds_.cut || doc_.paragraphs.empty();
        if (!paragraph_.runs.empty() && whole && doc_.paragraphs.size() < bounds_.paragraphs)
            endParagraph();
        return std::move(doc_);
    }

private:
    // --- Groups ---------------------------------------------------------

    void openGroup()
    {
        skipFallback_ = 0;
        ignorableNext_ = false;
        if (stack_.size() >= static_cast<std::size_t>(RichTextReader::maxGroupDepth)) {
            ++flatDepth_;
            return;
        }
        stack_.push_back(state_);
    }

    void closeGroup()
    {
        skipFallback_ = 0;
        ignorableNext_ = false;
        if (flatDepth_ > 0) {
            --flatDepth_;
            return;
        }
        if (stack_.empty()) {
            ended_ = true; // a stray closing brace ends what can be read
            return;
        }
        const Destination leaving = state_.destination;
        state_ = stack_.back();
        stack_.pop_back();
        if (leaving == Destination::FontTable) {
            commitFont();
            if (state_.destination == Destination::Text && !fontExplicit_)
                state_.format.fontFamily = defaultFontFamily();
        } else if (leaving == Destination::ColourTable &&
                   state_.destination != Destination::ColourTable) {
            commitColour(false);
        }
        if (stack_.empty())
            ended_ = true; // the document's own group is closed
    }

    // --- Control words and symbols --------------------------------------

    void control()
    {
        if (pos_ >= in_.size())
            return;
        const char c = in_[pos_];
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++pos_;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            character(c, true);
            break;
        case '\'':
            hexByte();
            break;
        case '*':
            ignorableNext_ = true;
            return; // keeps the flag for the word that follows
        case '~':
            symbol(0x00A0);
            break;
        case '-':
            symbol(0x00AD);
            break;
        case '_':
            symbol(0x2011);
            break;
        case '\r':
        case '\n':
            if (consumeFallback())
                break;
            if (state_.destination == Destination::Text)
                endParagraph();
            break;
        default:
            consumeFallback();
            break; // unknown symbols mean nothing to the viewer
        }
        ignorableNext_ = false;
    }

    // A control word as read: its letters, cut at maxWordLength, and its
    // parameter, if any, bounded to 32 bits.
    struct Word {
        std::string_view name;
        bool hasParam = false;
        int param = 0;
        // A toggle like \b is switched on by itself and off by \b0.
        bool on() const { return !hasParam || param != 0; }
    };

    Word readWord()
    {
        Word w;
        const std::size_t start = pos_;
        while (pos_ < in_.size() && isLetter(in_[pos_]))
            ++pos_;
        w.name = in_.substr(start, std::min(pos_ - start, maxWordLength));
        bool negative = false;
        if (pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        std::int64_t value = 0;
        while (pos_ < in_.size() && isDigit(in_[pos_])) {
            w.hasParam = true;
            if (value < 10'000'000'000)
                value = value * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ')
            ++pos_; // the delimiting blank belongs to the word
        value = std::min<std::int64_t>(value, INT32_MAX);
        w.param = static_cast<int>(negative ? -value : value);
        return w;
    }

    void controlWord()
    {
        const Word w = readWord();
        const bool ignorable = std::exchange(ignorableNext_, false);

        if (w.name == "bin") {
            // Binary data is skipped whatever the destination, and never past the input.
            const std::size_t length =
                w.hasParam && w.param > 0 ? static_cast<std::size_t>(w.param) : 0;
            pos_ += std::min(length, in_.size() - pos_);
            consumeFallback();
            return;
        }
        if (consumeFallback() || state_.destination == Destination::Skip)
            return;
        if (opensDestination(w.name, ignorable))
            return;

        if (state_.destination == Destination::FontTable)
            fontTableWord(w.name, w.param);
        else if (state_.destination == Destination::ColourTable)
            colourTableWord(w.name, w.param);
        else
            textWord(w);
    }

    // Whether the word begins a table or a group that is skipped whole.
    bool opensDestination(std::string_view word, bool ignorable)
    {
        if (word == "fonttbl") {
            state_.destination = Destination::FontTable;
            fontName_.clear();
            return true;
        }
        if (word == "colortbl") {
            state_.destination = Destination::ColourTable;
            resetColour();
            return true;
        }
        // A word after \* that is not understood here hides its whole group.
        if (isSkippedDestination(word) || ignorable) {
            state_.destination = Destination::Skip;
            return true;
        }
        return false;
    }

    // What a word of the text does; words found in neither table are ones
    // the viewer has no use for.
    struct TextAction {
        std::string_view word;
        void (*act)(Parser&, const Word&);
    };
    static const TextAction textActions[];
    static void endsParagraph(Parser& p, const Word&) { p.endParagraph(); }
    static void tabulator(Parser& p, const Word&) { p.appendText("\t"); }
    static void underlines(Parser& p, const Word& w) { p.state_.format.underline = w.on(); }
    void textWord(const Word& w);

    static int twips(int value) { return std::clamp(value, -maxTwips, maxTwips); }

    // --- Font and colour tables -----------------------------------------

    void fontTableWord(std::string_view word, int param)
    {
        if (word == "f") {
            commitFont();
            fontNumber_ = param;
        } else if (word == "u") {
            unicode(param);
        } else if (word == "uc") {
            state_.unicodeSkip = std::max(param, 0);
        }
    }

    void commitFont()
    {
        const std::string name = trimmed(fontName_);
        fontName_.clear();
        if (!name.empty() && fontNumber_ >= 0)
            fonts_[fontNumber_] = name;
        fontNumber_ = -1;
    }

    void colourTableWord(std::string_view word, int param)
    {
        const unsigned component = static_cast<unsigned>(std::clamp(param, 0, 255));
        if (word == "red") {
            red_ = component;
            colourGiven_ = true;
        } else if (word == "green") {
            green_ = component;
            colourGiven_ = true;
        } else if (word == "blue") {
            blue_ = component;
            colourGiven_ = true;
        }
    }

    void resetColour()
    {
        red_ = green_ = blue_ = 0;
        colourGiven_ = false;
    }

    // An entry ends at its semicolon; one without components is the viewer's own colour.
    void commitColour(bool atSemicolon)
    {
        if (atSemicolon || colourGiven_) {
            if (colourGiven_)
                colours_.emplace_back(rgb(red_, green_, blue_));
            else
                colours_.emplace_back(std::nullopt);
        }
        resetColour();
    }

    TextFormat defaultFormat() const
    {
        TextFormat f;
        f.fontFamily = defaultFontFamily();
        return f;
    }

    std::string defaultFontFamily() const
    {
        const auto it = fonts_.find(defaultFont_);
        return it == fonts_.end() ? std::string() : it->second;
    }

    // --- Characters -----------------------------------------------------

    // After \uN the next characters are the fallback for readers without
    // Unicode; each byte, \'hh, symbol or word counts as one.
    bool consumeFallback()
    {
        if (skipFallback_ <= 0)
            return false;
        --skipFallback_;
        return true;
    }

    void character(char c, bool escaped = false)
    {
        if (consumeFallback())
            return;
        ignorableNext_ = false;
        const auto byte = static_cast<unsigned char>(c);
        switch (state_.destination) {
        case Destination::Skip:
            return;
        case Destination::FontTable:
            if (c == ';' && !escaped)
                commitFont();
            else if (byte >= 0x20)
                appendFontName(windows1252ToUnicode(byte));
            return;
        case Destination::ColourTable:
            if (c == ';' && !escaped)
                commitColour(true);
            return;
        case Destination::Text:
            break;
        }
        if (c == '\t')
            appendText("\t");
        else if (byte >= 0x20)
            appendCodePoint(windows1252ToUnicode(byte));
        // Other control bytes are not text.
    }

    void hexByte()
    {
        int value = 0;
        int digits = 0;
        while (digits < 2 && pos_ < in_.size() && hexValue(in_[pos_]) >= 0) {
            value = value * 16 + hexValue(in_[pos_]);
            ++pos_;
            ++digits;
        }
        if (digits == 0) {
            consumeFallback();
            return;
        }
        symbol(windows1252ToUnicode(static_cast<unsigned char>(value)));
    }

    // A character given by a control symbol or \'hh: never a table delimiter.
    void symbol(char32_t cp)
    {
        if (consumeFallback())
            return;
        if (state_.destination == Destination::Text)
            appendCodePoint(cp);
        else if (state_.destination == Destination::FontTable)
            appendFontName(cp);
    }

    // \uN: a signed 16-bit value, negatives standing for 32768..65535.
    void unicode(int param)
    {
        std::int64_t value = param;
        if (value < 0)
            value += 65536;
        const char32_t cp =
            value < 0 || value > 0x10FFFF ? char32_t{0xFFFD} : static_cast<char32_t>(value);
        if (state_.destination == Destination::FontTable)
            appendFontName(cp);
        else if (state_.destination == Destination::Text)
            appendCodePoint(cp);
        skipFallback_ = state_.unicodeSkip;
    }

    void appendFontName(char32_t cp)
    {
        if (fontName_.size() < maxFontName)
            appendUtf8(fontName_, cp);
    }

    // Pairs of surrogates, as \u writes characters beyond the first plane, are joined.
    void appendCodePoint(char32_t cp)
    {
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            flushSurrogate();
            highSurrogate_ = cp;
            return;
        }
        if (cp >= 0xDC00 && cp <= 0xDFFF) {
            if (highSurrogate_ == 0) {
                appendUtf8Run(0xFFFD);
                return;
            }
            const char32_t joined = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (cp - 0xDC00);
            highSurrogate_ = 0;
            appendUtf8Run(joined);
            return;
        }
        flushSurrogate();
        appendUtf8Run(cp);
    }

    void flushSurrogate()
    {
        if (highSurrogate_ == 0)
            return;
        highSurrogate_ = 0;
        appendUtf8Run(0xFFFD);
    }

    void appendUtf8Run(char32_t cp)
    {
        std::string bytes;
        appendUtf8(bytes, cp);
        appendRaw(bytes);
    }

    void appendText(std::string_view text)
    {
        flushSurrogate();
        appendRaw(text);
    }

    void appendRaw(std::string_view text)
    {
        if (text.empty())
            return;
        std::vector<TextRun>& runs = paragraph_.runs;
        if (runs.empty() || !(runs.back().format == state_.format))
            runs.push_back(TextRun{{}, state_.format});
        runs.back().text.append(text);
    }

    void endParagraph()
    {
        flushSurrogate();
        const ParagraphFormat& p = state_.paragraph;
        paragraph_.alignment = p.alignment;
        paragraph_.leftIndent = p.leftIndent;
        paragraph_.rightIndent = p.rightIndent;
        paragraph_.firstLineIndent = p.firstLineIndent;
        paragraph_.spaceBefore = p.spaceBefore;
        paragraph_.spaceAfter = p.spaceAfter;
        doc_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = Paragraph{};
    }

    std::string_view in_;
    ReadBounds bounds_;
    std::size_t pos_ = 0;
    bool ended_ = false;

    GroupState state_;
    std::vector<GroupState> stack_;
    int flatDepth_ = 0; // groups opened beyond the depth limit, read flat

    bool ignorableNext_ = false; // a \* stands before the next word
    int skipFallback_ = 0;
    char32_t highSurrogate_ = 0;

    std::map<int, std::string> fonts_;
    int fontNumber_ = -1;
    std::string fontName_;
    int defaultFont_ = 0;
    bool fontExplicit_ = false;

    std::vector<std::optional<Colour>> colours_;
    unsigned red_ = 0, green_ = 0, blue_ = 0;
    bool colourGiven_ = false;

    RichDocument doc_;
    Paragraph paragraph_;
};

// Words that stand for one character of the text.
struct NamedCharacter {
    std::string_view word;
    char32_t codePoint;
};
constexpr NamedCharacter namedCharacters[] = {
    {"emdash", 0x2014},    {"endash", 0x2013},  {"bullet", 0x2022},
    {"lquote", 0x2018},    {"rquote", 0x2019},  {"ldblquote", 0x201C},
    {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002},
};

const Parser::TextAction Parser::textActions[] = {
    {"par", endsParagraph},
    {"sect", endsParagraph},
    {"page", endsParagraph},
    {"row", endsParagraph},
    {"line", [](Parser& p, const Word&) { p.appendText("\n"); }},
    {"tab", tabulator},
    {"cell", tabulator},
    {"b", [](Parser& p, const Word& w) { p.state_.format.bold = w.on(); }},
    {"i", [](Parser& p, const Word& w) { p.state_.format.italic = w.on(); }},
    {"ul", underlines},
    {"uld", underlines},
    {"uldb", underlines},
    {"ulw", underlines},
    {"uldash", underlines},
    {"ulth", underlines},
    {"ulwave", underlines},
    {"ulnone", [](Parser& p, const Word&) { p.state_.format.underline = false; }},
    {"plain", [](Parser& p, const Word&) { p.state_.format = p.defaultFormat(); }},
    {"fs",
     [](Parser& p, const Word& w) {
         p.state_.format.pointSize =
             w.hasParam && w.param > 0 ? std::min(w.param, 3276) / 2.0 : 0.0;
     }},
    {"cf",
     [](Parser& p, const Word& w) {
         const auto index = static_cast<std::size_t>(w.param);
         if (w.hasParam && w.param >= 0 && index < p.colours_.size())
             p.state_.format.colour = p.colours_[index];
         else
             p.state_.format.colour.reset();
     }},
    {"f",
     [](Parser& p, const Word& w) {
         const auto it = p.fonts_.find(w.param);
         p.state_.format.fontFamily = it == p.fonts_.end() ? std::string() : it->second;
         p.fontExplicit_ = true;
     }},
    {"deff", [](Parser& p, const Word& w) { p.defaultFont_ = w.param; }},
    {"u", [](Parser& p, const Word& w) { p.unicode(w.param); }},
    {"uc", [](Parser& p, const Word& w) { p.state_.unicodeSkip = std::max(w.param, 0); }},
    {"pard", [](Parser& p, const Word&) { p.state_.paragraph = ParagraphFormat{}; }},
    {"ql", [](Parser& p, const Word&) { p.state_.paragraph.alignment = ParagraphAlignment::Left; }},
    {"qc",
     [](Parser& p, const Word&) { p.state_.paragraph.alignment = ParagraphAlignment::Centre; }},
    {"qr",
     [](Parser& p, const Word&) { p.state_.paragraph.alignment = ParagraphAlignment::Right; }},
    {"qj",
     [](Parser& p, const Word&) { p.state_.paragraph.alignment = ParagraphAlignment::Justify; }},
    {"li", [](Parser& p, const Word& w) { p.state_.paragraph.leftIndent = twips(w.param); }},
    {"ri", [](Parser& p, const Word& w) { p.state_.paragraph.rightIndent = twips(w.param); }},
    {"fi", [](Parser& p, const Word& w) { p.state_.paragraph.firstLineIndent = twips(w.param); }},
    {"sb", [](Parser& p,
              const Word& w) { p.state_.paragraph.spaceBefore = std::max(twips(w.param), 0); }},
    {"sa",
     [](Parser& p, const Word& w) { p.state_.paragraph.spaceAfter = std::max(twips(w.param), 0); }},
};

void Parser::textWord(const Word& w)
{
    for (const NamedCharacter& c : namedCharacters)
        if (c.word == w.name) {
            appendCodePoint(c.codePoint);
            return;
        }
    for (const TextAction& a : textActions)
        if (a.word == w.name) {
            a.act(*this, w);
            return;
        }
}

} // namespace

bool RichTextReader::isRichText(std::string_view bytes) { return bytes.substr(0, 5) == "{\\rtf"; }

RichDocument RichTextReader::read(std::string_view bytes, ReadBounds bounds)
{
    return Parser(bytes, bounds).run();
}

namespace {

// The bytes of a plain text cut from a longer file, without their last line,
// which is not whole; a text of one line keeps its whole characters.
std::string_view wholeLines(std::string_view bytes)
{
    const std::size_t lastEnd = bytes.find_last_of("\r\n");
    if (lastEnd != std::string_view::npos)
        return bytes.substr(0, lastEnd);
    for (std::size_t drop = 1; drop <= 3 && drop < bytes.size(); ++drop)
        if (!isValidUtf8(bytes) && isValidUtf8(bytes.substr(0, bytes.size() - drop)))
            return bytes.substr(0, bytes.size() - drop);
    return bytes;
}

} // namespace

RichDocument RichTextReader::readInfoFile(std::string_view bytes, ReadBounds bounds)
{
    if (isRichText(bytes))
        return read(bytes, bounds);
    if (bounds.cut)
        bytes = wholeLines(bytes);
    std::string text;
    if (isValidUtf8(bytes)) {
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
            bytes.remove_prefix(3);
        text.assign(bytes);
    } else {
        text = windows1252ToUtf8(bytes);
    }
    // Lines may end in CR LF, LF or a lone CR; the document wants LF.
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            lines += text[i];
        }
    }
    return RichDocument::fromPlainText(lines, bounds.paragraphs);
}

} // namespace ravelin
