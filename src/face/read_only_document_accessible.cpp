// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/read_only_document_accessible.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>
#include <tuple>

namespace ravelin {

ReadOnlyDocumentAccessible::ReadOnlyDocumentAccessible(QTextEdit& viewer)
    : QAccessibleWidget(&viewer, QAccessible::Document)
{
}

QTextEdit& ReadOnlyDocumentAccessible::viewer() const { return *static_cast<QTextEdit*>(widget()); }

void* ReadOnlyDocumentAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State ReadOnlyDocumentAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    return state;
}

QString ReadOnlyDocumentAccessible::text(QAccessible::Text which) const
{
    if (which == QAccessible::Value)
        return viewer().toPlainText();
    return QAccessibleWidget::text(which);
}

void ReadOnlyDocumentAccessible::selection(int selectionIndex, int* startOffset,
                                           int* endOffset) const
{
    const QTextCursor cursor = viewer().textCursor();
    const bool any = selectionIndex == 0 && cursor.hasSelection();
    *startOffset = any ? cursor.selectionStart() : 0;
    *endOffset = any ? cursor.selectionEnd() : 0;
}

int ReadOnlyDocumentAccessible::selectionCount() const
{
    return viewer().textCursor().hasSelection() ? 1 : 0;
}

void ReadOnlyDocumentAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void ReadOnlyDocumentAccessible::removeSelection(int /*selectionIndex*/)
{
    QTextCursor cursor = viewer().textCursor();
    cursor.clearSelection();
    viewer().setTextCursor(cursor);
}

void ReadOnlyDocumentAccessible::setSelection(int /*selectionIndex*/, int startOffset,
                                              int endOffset)
{
    const int last = characterCount();
    QTextCursor cursor(viewer().document());
    cursor.setPosition(std::clamp(startOffset, 0, last));
    cursor.setPosition(std::clamp(endOffset, 0, last), QTextCursor::KeepAnchor);
    viewer().setTextCursor(cursor);
}

int ReadOnlyDocumentAccessible::cursorPosition() const { return viewer().textCursor().position(); }

void ReadOnlyDocumentAccessible::setCursorPosition(int position)
{
    setSelection(0, position, position);
}

QString ReadOnlyDocumentAccessible::text(int startOffset, int endOffset) const
{
    return viewer().toPlainText().mid(startOffset, endOffset - startOffset);
}

std::pair<int, int> ReadOnlyDocumentAccessible::lineAt(int offset) const
{
    const QTextBlock block =
        viewer().document()->findBlock(std::clamp(offset, 0, characterCount()));
    const QTextLayout* layout = block.layout();
    if (!block.isValid() || !layout || layout->lineCount() == 0)
        return {block.position(), block.position() + block.length() - 1};
    const QTextLine line = layout->lineForTextPosition(offset - block.position());
    const QTextLine shown = line.isValid() ? line : layout->lineAt(layout->lineCount() - 1);
    const int start = block.position() + shown.textStart();
    return {start, start + shown.textLength()};
}

QString ReadOnlyDocumentAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                                 int* startOffset, int* endOffset) const
{
    if (boundary != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
    std::tie(*startOffset, *endOffset) = lineAt(offset);
    return text(*startOffset, *endOffset);
}

QString ReadOnlyDocumentAccessible::textBeforeOffset(int offset,
                                                     QAccessible::TextBoundaryType boundary,
                                                     int* startOffset, int* endOffset) const
{
    if (boundary != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textBeforeOffset(offset, boundary, startOffset, endOffset);
    const int start = lineAt(offset).first;
    if (start == 0) {
        *startOffset = *endOffset = 0;
        return {};
    }
    // The line before ends just before this one starts, or at its break.
    return textAtOffset(start - 1, boundary, startOffset, endOffset);
}

QString ReadOnlyDocumentAccessible::textAfterOffset(int offset,
                                                    QAccessible::TextBoundaryType boundary,
                                                    int* startOffset, int* endOffset) const
{
    if (boundary != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAfterOffset(offset, boundary, startOffset, endOffset);
    const int end = lineAt(offset).second;
    // A line that ends at a paragraph's break goes on after the break.
    const int next =
        end < characterCount() && text(end, end + 1) == QStringLiteral("\n") ? end + 1 : end;
    if (next >= characterCount()) {
        *startOffset = *endOffset = characterCount();
        return {};
    }
    return textAtOffset(next, boundary, startOffset, endOffset);
}

int ReadOnlyDocumentAccessible::characterCount() const
{
    return static_cast<int>(viewer().toPlainText().size());
}

QRect ReadOnlyDocumentAccessible::characterRect(int offset) const
{
    QTextCursor cursor(viewer().document());
    cursor.setPosition(std::clamp(offset, 0, characterCount()));
    QRect at = viewer().cursorRect(cursor);
    at.translate(viewer().viewport()->mapToGlobal(QPoint(0, 0)));
    return at;
}

int ReadOnlyDocumentAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint inside = viewer().viewport()->mapFromGlobal(point);
    if (!viewer().viewport()->rect().contains(inside))
        return -1;
    return viewer().cursorForPosition(inside).position();
}

void ReadOnlyDocumentAccessible::scrollToSubstring(int startIndex, int /*endIndex*/)
{
    QTextCursor cursor(viewer().document());
    cursor.setPosition(std::clamp(startIndex, 0, characterCount()));
    QScrollBar* bar = viewer().verticalScrollBar();
    bar->setValue(bar->value() + viewer().cursorRect(cursor).top());
}

// The reader learns the text, not its fonts: one run of no attributes.
QString ReadOnlyDocumentAccessible::attributes(int /*offset*/, int* startOffset,
                                               int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace ravelin
