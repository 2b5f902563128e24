// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/drive_list_view.h"

#include "face/accessibility.h"
#include "face/accessible_factory.h"
#include "face/qt_colour.h"
#include "face/view_support.h"

#include <QStyle>

namespace ravelin {

DriveListView::DriveListView(const DriveListRow& row, QWidget& parent, EventRoute& route)
    : list_(row.list), widget_(std::make_unique<QComboBox>(&parent))
{
    QComboBox& w = *widget_;
    exposeAs(w, AccessibleAs::driveBox);
    w.setObjectName(fromModel(list_.name()));
    w.setGeometry(pixelsOf(row.at));
    w.setFont(fontOf(plainFace));
    setTextColour(w, toQColor(colour::blackText));
    nameByRole(w, row.role);
    QObject::connect(&w, &QComboBox::activated, &w, [&route, choose = row.choose](int index) {
        route.route([choose, index](FormController& c) { (c.*choose)(index); });
    });
}

void DriveListView::apply()
{
    QComboBox& w = *widget_;
    const QSignalBlocker block(&w);
    w.clear();
    for (const std::string& drive : list_.drives())
        w.addItem(w.style()->standardIcon(QStyle::SP_DriveHDIcon), fromModel(drive));
    w.setCurrentIndex(list_.selected());
    w.setEnabled(list_.enabled());
}

} // namespace ravelin
