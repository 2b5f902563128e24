// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/shape_view.h"

#include "face/client_area_accessible.h"
#include "face/qt_colour.h"
#include "face/view_support.h"

namespace ravelin {

ShapeView::ShapeView(const ShapeRow& row, QWidget& parent)
    : widget_(std::make_unique<QFrame>(&parent))
{
    QFrame& w = *widget_;
    w.setObjectName(QStringLiteral("Shape1"));
    w.setGeometry(pixelsOf(row.at));
    w.setStyleSheet(QStringLiteral("#Shape1 { border: 1px solid %1; background: transparent; }")
                        .arg(toQColor(row.ink).name()));
    onlyDrawn(w);
    // Drawn under everything that stands within it.
    w.lower();
}

} // namespace ravelin
