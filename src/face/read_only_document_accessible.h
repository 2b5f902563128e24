// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

#include <utility>

class QTextEdit;

namespace ravelin {

// A text viewer as a reader finds a read-only document: its text to read
// line by line or word by word, its caret and selection to move.
class ReadOnlyDocumentAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadOnlyDocumentAccessible(QTextEdit& viewer);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text which) const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    // A line is a line as the viewer shows it, wrapped to its width: the
    // caret's Down goes there, and a reader reads it there.
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QTextEdit& viewer() const;
    // The shown line that holds the offset, as its start and its end.
    std::pair<int, int> lineAt(int offset) const;
};

} // namespace ravelin
