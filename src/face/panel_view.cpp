// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/panel_view.h"

#include "face/qt_colour.h"
#include "face/view_support.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace ravelin {

namespace {
// How much darker than the window the style draws the outline of a frame.
constexpr int outlineDarker = 140;

// A framed box painted in the window's own colour: the style fills its
// frame with a shade, which would show the panel as a darker patch. Its
// caption is drawn by the style; its frame is a plain outline below it.
class PlainFrameBox : public QGroupBox {
public:
    PlainFrameBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QStylePainter painter(this);
        QStyleOptionGroupBox box;
        initStyleOption(&box);
        box.subControls &= ~QStyle::SC_GroupBoxFrame;
        painter.drawComplexControl(QStyle::CC_GroupBox, box);
        const QRect title =
            style()->subControlRect(QStyle::CC_GroupBox, &box, QStyle::SC_GroupBoxLabel, this);
        painter.setPen(palette().color(QPalette::Window).darker(outlineDarker));
        painter.drawRect(rect().adjusted(0, title.bottom() + 1, -1, -1));
    }
};
} // namespace

PanelView::PanelView(const FrameRow& row, QWidget& parent)
    : frame_(row.frame),
      widget_(std::make_unique<PlainFrameBox>(fromModel(frame_.caption()), &parent))
{
    QGroupBox& w = *widget_;
    w.setObjectName(fromModel(frame_.name()));
    w.setGeometry(pixelsOf(row.at));
    w.setAutoFillBackground(true);
    setRoleColour(w, QPalette::Window, toQColor(colour::lightGrey));
    setRoleColour(w, QPalette::WindowText, toQColor(row.ink));
}

void PanelView::apply()
{
    QGroupBox& w = *widget_;
    w.setTitle(fromModel(frame_.caption()));
    w.setVisible(frame_.visible());
    if (frame_.visible()) {
        // In the order the panel fills them: folders, then files.
        for (PanelListView* list : lists_)
            list->catchUp();
    }
}

} // namespace ravelin
