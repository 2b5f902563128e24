// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/rich_document.h"

class QFont;
class QTextDocument;

namespace ravelin {

// Replaces the content of `target` by `doc`. What the document leaves open
// (font, size, colour) comes from `baseFont` and the viewer's palette; font
// families of the other desktop fall back to the metric-compatible ones here.
void renderRichDocument(const RichDocument& doc, QTextDocument& target, const QFont& baseFont);

} // namespace ravelin
