// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/controls.h"
#include "window/rich_document.h"

namespace ravelin {

// The info viewer: shows a formatted document, or plain text set by a handler.
class RichTextViewer : public Control {
public:
    using Control::Control;

    const RichDocument& document() const { return document_; }
    std::string text() const { return document_.plainText(); }

    void setText(const std::string& text) { setDocument(RichDocument::fromPlainText(text)); }
    void setDocument(RichDocument document)
    {
        if (document_ == document)
            return;
        document_ = std::move(document);
        touch();
    }

private:
    RichDocument document_;
};

} // namespace ravelin
