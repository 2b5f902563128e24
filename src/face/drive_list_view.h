// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/event_route.h"
#include "face/placement.h"
#include "face/view.h"

#include <QComboBox>

#include <memory>

namespace ravelin {

// The drop-down list of drives. It is filled at once: a drop-down list
// shows its first entry, even closed.
class DriveListView : public ControlView {
public:
    DriveListView(const DriveListRow& row, QWidget& parent, EventRoute& route);

    const Control& control() const override { return list_; }
    QWidget& widget() override { return *widget_; }
    void apply() override;

private:
    const DriveList& list_;
    std::unique_ptr<QComboBox> widget_;
};

} // namespace ravelin
