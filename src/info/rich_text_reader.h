// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/rich_document.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ravelin {

// How much of a document is read: at most `paragraphs` paragraphs, and
// with `cut` the bytes are only the start of a longer file, so their last
// paragraph is left out unless it is the only one.
struct ReadBounds {
    std::size_t paragraphs = SIZE_MAX;
    bool cut = false;
};

// Reads the rich-text format into a RichDocument: groups, paragraphs, line
// breaks, tabs, bold, italic, underline, font size, colours and fonts from
// their tables, alignment, indents and spacing. Everything else is ignored.
// The info file lies beside the program but may have been replaced by
// anything, so the reader never trusts it: nesting is bounded, binary data is
// skipped within the input, and the work is linear in the input's length.
class RichTextReader {
public:
    // Groups nested deeper than this are read as if they were no groups.
    static constexpr int maxGroupDepth = 256;

    // Whether the bytes are rich text: they begin with "{\rtf".
    static bool isRichText(std::string_view bytes);

    // The document that rich text describes; unknown control words are ignored.
    static RichDocument read(std::string_view bytes, ReadBounds bounds = {});

    // The info file as the viewer shows it: rich text when it is rich text,
    // otherwise plain text, read as UTF-8 when it is valid UTF-8 and as
    // Windows-1252 when it is not.
    static RichDocument readInfoFile(std::string_view bytes, ReadBounds bounds = {});
};

} // namespace ravelin
