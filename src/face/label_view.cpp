// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/label_view.h"

#include "face/accessibility.h"
#include "face/qt_colour.h"
#include "face/view_support.h"

namespace ravelin {

namespace {
// Per cent of the face's own letter spacing in the guidance box.
constexpr qreal guidanceLetterSpacing = 96;
} // namespace

LabelView::LabelView(const LabelRow& row, QWidget& parent)
    : label_(row.label), row_(row), widget_(std::make_unique<QLabel>(&parent))
{
    QLabel& w = *widget_;
    w.setObjectName(fromModel(label_.name()));
    QFont face = fontOf(row.face);
    // The guidance texts are written line by line to the box's width; set a
    // little tighter, the longest of them keeps to its own line, as written.
    if (row.kind == LabelKind::guidance)
        face.setLetterSpacing(QFont::PercentageSpacing, guidanceLetterSpacing);
    w.setFont(face);
    w.setTextFormat(Qt::PlainText);
    w.setAlignment(row.align);
    setTextColour(w, toQColor(row.ink));
    if (row.boxed) {
        w.setFrameStyle(QFrame::Box | QFrame::Plain);
        w.setLineWidth(1);
    }
    if (!label_.toolTip().empty())
        w.setToolTip(fromModel(label_.toolTip()));
    QRect geometry = pixelsOf(row.at);
    // Headings grow to their text so that nothing is clipped; centred ones stay centred.
    if (row.kind == LabelKind::heading) {
        const QFontMetrics metrics(w.font());
        const int needWidth = metrics.horizontalAdvance(fromModel(label_.caption())) + 2;
        const int needHeight = metrics.height();
        if (needWidth > geometry.width())
            geometry.adjust(-(needWidth - geometry.width()) / 2, 0,
                            (needWidth - geometry.width() + 1) / 2, 0);
        if (needHeight > geometry.height())
            geometry.setHeight(needHeight);
    }
    w.setGeometry(geometry);
    w.setWordWrap(row.kind == LabelKind::guidance);
    if (row.kind != LabelKind::display)
        nameByRole(w, row.role);
}

void LabelView::apply()
{
    QLabel& w = *widget_;
    const QString caption = captionForDisplay(label_.caption());
    if (row_.kind == LabelKind::fileName) {
        // Start and end stay readable; the whole name is a pointer's rest away.
        w.setText(w.fontMetrics().elidedText(caption, Qt::ElideMiddle, w.contentsRect().width()));
        w.setToolTip(caption);
        w.setAccessibleDescription(caption);
    } else {
        w.setText(caption);
    }
    w.setEnabled(label_.enabled());
    w.setVisible(label_.visible());
    if (hasOwnColour(label_.backColour())) {
        setRoleColour(w, QPalette::Window, toQColor(label_.backColour()));
        w.setAutoFillBackground(true);
    } else {
        w.setAutoFillBackground(false);
    }
    // A display box's name carries the value it shows.
    if (row_.kind == LabelKind::display)
        nameWithValue(w, row_.role);
    // The guidance box is the only place of its hints: its name says what
    // it is, its description what it shows now.
    if (row_.kind == LabelKind::guidance)
        describeByText(w);
}

} // namespace ravelin
