// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/info_view.h"

#include "face/accessibility.h"
#include "face/qt_colour.h"
#include "face/rich_document_renderer.h"
#include "face/view_support.h"

#include <QScrollBar>
#include <QTextCursor>

namespace ravelin {

InfoView::InfoView(const ViewerRow& row, QWidget& parent)
    : viewer_(row.viewer), widget_(std::make_unique<QTextBrowser>(&parent))
{
    QTextBrowser& w = *widget_;
    w.setObjectName(fromModel(viewer_.name()));
    w.setGeometry(pixelsOf(row.at));
    w.setFont(fontOf(plainFace));
    w.setOpenLinks(false);
    setRoleColour(w, QPalette::Base, toQColor(colour::lightOrange));
    // Its frame covers what lies under it whole, also where the frame's line
    // is thinner than a pixel of the window: the guidance box's edge lies there.
    w.setAutoFillBackground(true);
    nameByRole(w, row.role);
}

void InfoView::apply()
{
    QTextBrowser& w = *widget_;
    renderRichDocument(viewer_.document(), *w.document(), w.font());
    // Every showing starts at the top, wherever filling the text left the cursor.
    w.moveCursor(QTextCursor::Start);
    w.verticalScrollBar()->setValue(0);
    w.setVisible(viewer_.visible());
}

} // namespace ravelin
