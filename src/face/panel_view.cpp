// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/panel_view.h"

#include "face/qt_colour.h"
#include "face/view_support.h"

#include <QKeyEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

#include <functional>
#include <utility>

namespace ravelin {

namespace {
// How much darker than the window the style draws the outline of a frame.
constexpr int outlineDarker = 140;

// A framed box painted in the window's own colour: the style fills its
// frame with a shade, which would show the panel as a darker patch. Its
// caption is drawn by the style; its frame is a plain outline below it.
class PlainFrameBox : public QGroupBox {
public:
    PlainFrameBox(const QString& title, QWidget* parent, std::function<void()> escape)
        : QGroupBox(title, parent), escape_(std::move(escape))
    {
    }

protected:
    // Escape reaches the panel from whichever of its controls has the focus:
    // none of them takes it for itself, but an open drop-down list.
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
            !event->isAutoRepeat()) {
            escape_();
            return;
        }
        QGroupBox::keyPressEvent(event);
    }

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

private:
    std::function<void()> escape_;
};
} // namespace

PanelView::PanelView(const FrameRow& row, QWidget& parent, std::function<void()> escape)
    : frame_(row.frame), widget_(std::make_unique<PlainFrameBox>(fromModel(frame_.caption()),
                                                                 &parent, std::move(escape)))
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
