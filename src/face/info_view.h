// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/placement.h"
#include "face/view.h"

#include <QTextBrowser>

#include <memory>

namespace ravelin {

// The info text over the middle column: a formatted document, read only.
class InfoView : public ControlView {
public:
    InfoView(const ViewerRow& row, QWidget& parent);

    const Control& control() const override { return viewer_; }
    QWidget& widget() override { return *widget_; }
    // Its selection, as its own Ctrl+C copies it.
    bool copies() const override { return true; }
    void copy() override { widget_->copy(); }
    void apply() override;

private:
    const RichTextViewer& viewer_;
    // The document the viewer holds.
    RichDocument shown_;
    std::unique_ptr<QTextBrowser> widget_;
};

} // namespace ravelin
