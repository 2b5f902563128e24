// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/info_view.h"

#include "face/accessibility.h"
#include "face/accessible_factory.h"
#include "face/qt_colour.h"
#include "face/rich_document_renderer.h"
#include "face/view_support.h"

#include <QEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QTextCursor>

namespace ravelin {

namespace {
// A viewer that shows the focus by the frame a focused input box shows.
class FocusFramedBrowser : public QTextBrowser {
public:
    explicit FocusFramedBrowser(QWidget* parent) : QTextBrowser(parent) {}

protected:
    // Over the frame the scroll area paints, which no paint handler of its own reaches.
    bool event(QEvent* event) override
    {
        const bool handled = QTextBrowser::event(event);
        if (event->type() == QEvent::Paint && hasFocus()) {
            QPainter painter(this);
            QStyleOptionFrame frame;
            frame.initFrom(this);
            frame.lineWidth = frameWidth();
            frame.state |= QStyle::State_HasFocus;
            style()->drawPrimitive(QStyle::PE_FrameLineEdit, &frame, &painter, this);
        }
        return handled;
    }
};
} // namespace

InfoView::InfoView(const ViewerRow& row, QWidget& parent)
    : viewer_(row.viewer), widget_(std::make_unique<FocusFramedBrowser>(&parent))
{
    QTextBrowser& w = *widget_;
    exposeAs(w, AccessibleAs::readOnlyDocument);
    w.setObjectName(fromModel(viewer_.name()));
    w.setGeometry(pixelsOf(row.at));
    w.setFont(fontOf(plainFace));
    w.setOpenLinks(false);
    // A caret for reading: the arrows move it line by line, Ctrl+Home and
    // Ctrl+End to the start and the end, and a reader hears where it is.
    // The text stays read-only.
    w.setTextInteractionFlags(w.textInteractionFlags() | Qt::TextSelectableByKeyboard);
    setRoleColour(w, QPalette::Base, toQColor(colour::lightOrange));
    // Its frame covers what lies under it whole, also where the frame's line
    // is thinner than a pixel of the window: the guidance box's edge lies there.
    w.setAutoFillBackground(true);
    nameByRole(w, row.role);
}

void InfoView::apply()
{
    QTextBrowser& w = *widget_;
    // The text is set only when it differs from what the viewer holds: a
    // reader hears every setting as the text deleted and inserted anew, and
    // a viewer just made is shown again by the refresh that made it.
    if (viewer_.document() != shown_) {
        shown_ = viewer_.document();
        renderRichDocument(shown_, *w.document(), w.font());
    }
    // Every showing starts at the top, wherever filling the text or the
    // last reading left the caret; while it shows, the caret stays where
    // the reader moved it.
    if (viewer_.visible() && !w.isVisibleTo(w.parentWidget())) {
        w.moveCursor(QTextCursor::Start);
        w.verticalScrollBar()->setValue(0);
    }
    w.setVisible(viewer_.visible());
}

} // namespace ravelin
