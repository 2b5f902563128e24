// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/make_view.h"

#include "face/button_view.h"
#include "face/covers.h"
#include "face/drive_list_view.h"
#include "face/file_list_view.h"
#include "face/focus_chain.h"
#include "face/folder_list_view.h"
#include "face/grid_view.h"
#include "face/info_view.h"
#include "face/label_view.h"
#include "face/option_group_view.h"
#include "face/panel_view.h"
#include "face/shape_view.h"
#include "face/text_box_view.h"

#include <stdexcept>

namespace ravelin {

namespace {
// The frame of the import panel comes before the rows that stand in it.
PanelView& panelOf(const ViewSite& site)
{
    if (!site.panel)
        throw std::logic_error("a list of the import panel placed before its frame");
    return *site.panel;
}
} // namespace

std::unique_ptr<View> makeView(const ShapeRow& row, ViewSite& site)
{
    return std::make_unique<ShapeView>(row, *site.parent);
}

std::unique_ptr<View> makeView(const LabelRow& row, ViewSite& site)
{
    return std::make_unique<LabelView>(row, *site.parent);
}

std::unique_ptr<View> makeView(const ButtonRow& row, ViewSite& site)
{
    return std::make_unique<ButtonView>(row, *site.parent, site.route);
}

std::unique_ptr<View> makeView(const TextBoxRow& row, ViewSite& site)
{
    auto view = std::make_unique<TextBoxView>(row, *site.parent, site.route);
    if (row.returnMovesTo)
        QObject::connect(&view->lineEdit(), &QLineEdit::returnPressed, &view->lineEdit(),
                         [&focus = site.focus, to = row.returnMovesTo] { focus.moveTo(*to); });
    return view;
}

std::unique_ptr<View> makeView(const OptionGroupRow& row, ViewSite& site)
{
    auto view = std::make_unique<OptionGroupView>(row, *site.parent, site.route);
    for (int i = 0; i < OptionGroup::count; ++i)
        site.focus.place({row.group, i}, view->option(i));
    return view;
}

std::unique_ptr<View> makeView(const GridRow& row, ViewSite& site)
{
    return std::make_unique<GridView>(row, *site.parent, site.fixedColour, site.route);
}

std::unique_ptr<View> makeView(const ViewerRow& row, ViewSite& site)
{
    auto view = std::make_unique<InfoView>(row, *site.parent);
    standsOver(view->widget());
    return view;
}

std::unique_ptr<View> makeView(const FrameRow& row, ViewSite& site)
{
    auto view = std::make_unique<PanelView>(
        row, *site.parent,
        [&focus = site.focus, &route = site.route, &from = row.escapePresses, escape = row.escape] {
            focus.moveTo(from);
            route.route([escape](FormController& c) { (c.*escape)(); });
        });
    standsOver(view->widget());
    site.panel = view.get();
    site.parent = &view->widget();
    return view;
}

std::unique_ptr<View> makeView(const DriveListRow& row, ViewSite& site)
{
    return std::make_unique<DriveListView>(row, *site.parent, site.route);
}

std::unique_ptr<View> makeView(const DirListRow& row, ViewSite& site)
{
    PanelView& panel = panelOf(site);
    auto view = std::make_unique<FolderListView>(row, panel.frame(), *site.parent, site.route);
    panel.holds(*view);
    return view;
}

std::unique_ptr<View> makeView(const FileListRow& row, ViewSite& site)
{
    PanelView& panel = panelOf(site);
    auto view = std::make_unique<FileListView>(row, panel.frame(), *site.parent, site.route);
    panel.holds(*view);
    return view;
}

} // namespace ravelin
