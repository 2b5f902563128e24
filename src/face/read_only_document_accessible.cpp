// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/read_only_document_accessible.h"

#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

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
