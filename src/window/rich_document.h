// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/colour.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ravelin {

// A small formatted document: paragraphs of runs that share one format.
// Text is UTF-8; a line break inside a paragraph is '\n', a tab '\t'.
struct TextFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    double pointSize = 0;         // 0: the viewer's own size
    std::optional<Colour> colour; // empty: the viewer's text colour
    std::string fontFamily;       // empty: the viewer's font

    bool operator==(const TextFormat&) const = default;
};

struct TextRun {
    std::string text;
    TextFormat format;

    bool operator==(const TextRun&) const = default;
};

enum class ParagraphAlignment { Left, Centre, Right, Justify };

struct Paragraph {
    std::vector<TextRun> runs;
    ParagraphAlignment alignment = ParagraphAlignment::Left;
    // Indents and spacing in twips (1440 to the inch), as rich text gives them.
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0; // from the left indent; negative for a hanging first line
    int spaceBefore = 0;
    int spaceAfter = 0;

    bool operator==(const Paragraph&) const = default;
};

struct RichDocument {
    std::vector<Paragraph> paragraphs;

    // Unformatted text: runs joined, paragraphs separated by '\n'.
    std::string plainText() const;
    // One paragraph per line of the text, every run in the standard format;
    // lines beyond `maxParagraphs` are left out.
    static RichDocument fromPlainText(const std::string& text,
                                      std::size_t maxParagraphs = SIZE_MAX);

    bool operator==(const RichDocument&) const = default;
};

} // namespace ravelin
