// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/event_route.h"
#include "face/panel_list_view.h"
#include "face/placement.h"

#include <QListWidget>
#include <QObject>

#include <memory>

namespace ravelin {

// The permanence files of the current folder. Whatever way the user
// chooses a file, by key or by mouse, it is chosen as by a click; a click
// acts on release.
class FileListView : public QObject, public PanelListView {
public:
    FileListView(const FileListRow& row, const Frame& panel, QWidget& parent, EventRoute& route);
    ~FileListView() override;

    const Control& control() const override { return list_; }
    QWidget& widget() override { return *widget_; }

protected:
    void fill() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run(Choose handler, int row);

    const FileList& list_;
    EventRoute& route_;
    const Choose choose_;
    const Choose click_;
    std::unique_ptr<QListWidget> widget_;
    // The folder whose files the list shows.
    QString shownFolder_;
    // A mouse button is down on the list: the file is chosen on its release.
    bool pressed_ = false;
};

} // namespace ravelin
