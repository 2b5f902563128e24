// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/event_route.h"
#include "face/panel_list_view.h"
#include "face/placement.h"

#include <QListWidget>

#include <memory>

namespace ravelin {

// The folders from the drive down to the current one, then its sub-folders,
// each indented by its depth. Opening an entry makes it the current folder.
class FolderListView : public PanelListView {
public:
    FolderListView(const DirListRow& row, const Frame& panel, QWidget& parent, EventRoute& route);

    const Control& control() const override { return list_; }
    QWidget& widget() override { return *widget_; }

protected:
    void fill() override;

private:
    const DirList& list_;
    std::unique_ptr<QListWidget> widget_;
};

} // namespace ravelin
