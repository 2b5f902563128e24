// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/panel_view.h"

#include "face/qt_colour.h"
#include "face/view_support.h"

namespace ravelin {

PanelView::PanelView(const FrameRow& row, QWidget& parent)
    : frame_(row.frame), widget_(std::make_unique<QGroupBox>(fromModel(frame_.caption()), &parent))
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
