// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Each kind of row makes its own kind of view. A new kind of control adds a
// row, a view and an overload here; the window that assembles them does
// not change.

#include "face/event_route.h"
#include "face/placement.h"

#include <QColor>

#include <memory>

class QWidget;

namespace ravelin {

class FocusChain;
class PanelView;
class View;

// Where the views of one part of the window are made: the widget the next
// one stands in, the route of their events, the Tab order they take their
// stops in, and the import panel once its frame is made.
struct ViewSite {
    QWidget* parent;
    EventRoute& route;
    FocusChain& focus;
    // The grids' fixed columns show the colour of the window's buttons.
    QColor fixedColour;
    PanelView* panel = nullptr;
};

std::unique_ptr<View> makeView(const ShapeRow& row, ViewSite& site);
std::unique_ptr<View> makeView(const LabelRow& row, ViewSite& site);
std::unique_ptr<View> makeView(const ButtonRow& row, ViewSite& site);
// Return in a box moves the focus on where its row says.
std::unique_ptr<View> makeView(const TextBoxRow& row, ViewSite& site);
// Each option is a stop of its own in the Tab order.
std::unique_ptr<View> makeView(const OptionGroupRow& row, ViewSite& site);
std::unique_ptr<View> makeView(const GridRow& row, ViewSite& site);
// The viewer covers what stands under it.
std::unique_ptr<View> makeView(const ViewerRow& row, ViewSite& site);
// The panel covers what stands under it, and the rows after it stand within it.
std::unique_ptr<View> makeView(const FrameRow& row, ViewSite& site);
std::unique_ptr<View> makeView(const DriveListRow& row, ViewSite& site);
// The panel's lists are filled whenever the panel shows.
std::unique_ptr<View> makeView(const DirListRow& row, ViewSite& site);
std::unique_ptr<View> makeView(const FileListRow& row, ViewSite& site);

} // namespace ravelin
