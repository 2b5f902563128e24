// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One row of the window's layout: which control of the model a widget shows,
// where it stands, in what face and colours, and what its events call. The
// rows are made by the functions below, each of which checks that the model's
// member is of the kind it places, so a misspelt control or handler does not
// compile.

#include "window/colour.h"
#include "window/form_model.h"
#include "wiring/form_controller.h"

#include <qnamespace.h>

#include <string_view>
#include <type_traits>
#include <utility>

namespace ravelin {

// The parts of the window a widget belongs to. The import panel and the info
// viewer stand over the columns and are only shown when asked for.
enum class WindowPart { columns, infoViewer, importPanel };

enum class PlacementKind {
    shape,   // the rectangle round the right column
    heading, // blue text that grows to its caption
    label,   // a text of its own face and colour
    display, // a boxed value the run writes; a reader hears it after the role
    button,
    textBox,
    option, // one button of the option group
    grid,
    viewer,
    frame, // the import panel itself
    driveList,
    dirList,
    fileList,
};

// A font of the window: "MS Sans Serif" or "Terminal" as designed.
struct Face {
    bool fixedPitch;
    double points;
    bool bold;
};

inline constexpr Face windowFace{false, 8.25, true};
inline constexpr Face plainFace{false, 8.25, false};
inline constexpr Face largerFace{false, 9.75, true};
inline constexpr Face countFace{false, 12, true};
inline constexpr Face firstDoubleFace{true, 9, false};
inline constexpr Face gridFace{true, 6, true};

// A rectangle as designed, in twips: left, top, width, height.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr Qt::Alignment leftTop = Qt::AlignLeft | Qt::AlignTop;
inline constexpr Qt::Alignment centredTop = Qt::AlignHCenter | Qt::AlignTop;

using Click = void (FormController::*)();
using Edit = void (FormController::*)(std::string_view);

struct Placement {
    PlacementKind kind = PlacementKind::label;
    // The control shown; a grid is no control and has its own.
    Control& (*control)(FormModel&) = nullptr;
    GridModel& (*grid)(FormModel&) = nullptr;
    Twips at{};
    Face face = windowFace;
    Colour ink = colour::blackText;
    // A grid's cells, where they are not in the standard colour.
    Colour paper = colour::standard;
    Qt::Alignment align = leftTop;
    bool boxed = false;
    bool scrolls = false;
    int option = 0;
    // What a screen reader calls the widget where its caption does not say it.
    const char* role = nullptr;
    Click click = nullptr;
    Edit edit = nullptr;
};

namespace placement {

template <auto member> using MemberType =
    std::remove_cvref_t<decltype(std::declval<FormModel&>().*member)>;

template <auto member> Control& controlIn(FormModel& form) { return form.*member; }
template <auto member> GridModel& gridIn(FormModel& form) { return form.*member; }

template <auto member, typename Model>
constexpr Placement of(PlacementKind kind, Twips at, const char* role)
{
    static_assert(std::is_same_v<MemberType<member>, Model>, "the control is of another kind");
    Placement p;
    p.kind = kind;
    if constexpr (std::is_same_v<Model, GridModel>)
        p.grid = &gridIn<member>;
    else
        p.control = &controlIn<member>;
    p.at = at;
    p.role = role;
    return p;
}

} // namespace placement

constexpr Placement shape(Twips at, const char* role)
{
    Placement p;
    p.kind = PlacementKind::shape;
    p.at = at;
    p.ink = colour::blueText;
    p.role = role;
    return p;
}

template <auto member>
constexpr Placement heading(Twips at, Qt::Alignment align = leftTop, const char* role = nullptr)
{
    Placement p = placement::of<member, Label>(PlacementKind::heading, at, role);
    p.ink = colour::blueText;
    p.align = align;
    return p;
}

template <auto member> constexpr Placement label(Twips at, Face face, Colour ink,
                                                 Qt::Alignment align, bool boxed, const char* role)
{
    Placement p = placement::of<member, Label>(PlacementKind::label, at, role);
    p.face = face;
    p.ink = ink;
    p.align = align;
    p.boxed = boxed;
    return p;
}

template <auto member> constexpr Placement display(Twips at, Face face, const char* role)
{
    Placement p = placement::of<member, Label>(PlacementKind::display, at, role);
    p.face = face;
    p.align = Qt::AlignCenter;
    p.boxed = true;
    return p;
}

template <auto member>
constexpr Placement button(Twips at, Face face, Click click, const char* role = nullptr)
{
    Placement p = placement::of<member, Button>(PlacementKind::button, at, role);
    p.face = face;
    p.click = click;
    return p;
}

template <auto member> constexpr Placement textBox(Twips at, Face face, Edit edit, const char* role)
{
    Placement p = placement::of<member, TextBox>(PlacementKind::textBox, at, role);
    p.face = face;
    p.edit = edit;
    return p;
}

template <auto member> constexpr Placement option(int index, Twips at)
{
    Placement p = placement::of<member, OptionGroup>(PlacementKind::option, at, nullptr);
    p.option = index;
    p.ink = colour::blueText;
    return p;
}

template <auto member> constexpr Placement
grid(Twips at, const char* role, Colour paper = colour::standard, bool scrolls = false)
{
    Placement p = placement::of<member, GridModel>(PlacementKind::grid, at, role);
    p.face = gridFace;
    p.paper = paper;
    p.scrolls = scrolls;
    return p;
}

template <auto member> constexpr Placement viewer(Twips at, const char* role)
{
    Placement p = placement::of<member, RichTextViewer>(PlacementKind::viewer, at, role);
    p.face = plainFace;
    return p;
}

template <auto member> constexpr Placement frame(Twips at)
{
    Placement p = placement::of<member, Frame>(PlacementKind::frame, at, nullptr);
    p.ink = colour::blueText;
    return p;
}

template <auto member> constexpr Placement list(Twips at, const char* role)
{
    using Model = placement::MemberType<member>;
    static_assert(std::is_same_v<Model, DriveList> || std::is_same_v<Model, DirList> ||
                      std::is_same_v<Model, FileList>,
                  "the control is no list");
    constexpr PlacementKind kind = std::is_same_v<Model, DriveList> ? PlacementKind::driveList
                                   : std::is_same_v<Model, DirList> ? PlacementKind::dirList
                                                                    : PlacementKind::fileList;
    Placement p = placement::of<member, Model>(kind, at, role);
    p.face = plainFace;
    return p;
}

} // namespace ravelin
