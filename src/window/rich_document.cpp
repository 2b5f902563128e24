// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/rich_document.h"

namespace ravelin {

std::string RichDocument::plainText() const
{
    std::string text;
    for (std::size_t p = 0; p < paragraphs.size(); ++p) {
        if (p > 0)
            text += '\n';
        for (const TextRun& run : paragraphs[p].runs)
            text += run.text;
    }
    return text;
}

RichDocument RichDocument::fromPlainText(const std::string& text, std::size_t maxParagraphs)
{
    RichDocument doc;
    if (text.empty())
        return doc;
    std::size_t start = 0;
    while (doc.paragraphs.size() < maxParagraphs) {
        const std::size_t end = text.find('\n', start);
        Paragraph paragraph;
        std::string line =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            paragraph.runs.push_back(TextRun{std::move(line), {}});
        doc.paragraphs.push_back(std::move(paragraph));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return doc;
}

} // namespace ravelin
