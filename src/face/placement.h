// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One row of the window's layout: which control of the model a widget shows,
// where it stands, in what face and colours, and what its events call. Each
// kind of control has a row of its own that holds the control by its real
// type, so a row of the wrong kind does not compile.

#include "window/colour.h"
#include "window/form_model.h"
#include "wiring/form_controller.h"

#include <qnamespace.h>

#include <array>
#include <string>
#include <string_view>
#include <variant>

namespace ravelin {

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
using CellClick = void (FormController::*)(int row, int col);

// The rectangle round the right column: no control, only a line.
struct ShapeRow {
    Twips at;
    const char* role;
    Colour ink = colour::blueText;
};

enum class LabelKind {
    heading,  // blue text that grows to its caption
    guidance, // a text of its own face and colour, wrapped at blanks to fit its
              // box, that a reader hears whole
    display,  // a boxed value the run writes; a reader hears it after the role
    fileName, // a name, shortened in its middle to fit; whole in its tool tip
};

struct LabelRow {
    Label& label;
    LabelKind kind;
    Twips at;
    Face face = plainFace;
    Colour ink = colour::blackText;
    Qt::Alignment align = leftTop;
    bool boxed = false;
    // What a screen reader calls the widget where its caption does not say it.
    const char* role = nullptr;
};

enum class ButtonLook {
    styled,    // as the desktop's style draws a button
    ownColour, // flat, in the colour the run gives it
};

struct ButtonRow {
    Button& button;
    Twips at;
    Face face;
    Click click;
    // Without a role a button is named by the caption it shows.
    const char* role = nullptr;
    ButtonLook look = ButtonLook::styled;
    // In words, what the button's colour shows, for the one button whose
    // colour tells a state.
    std::string_view (*colourSays)(Colour) = nullptr;
};

struct TextBoxRow {
    TextBox& box;
    Twips at;
    Face face;
    Edit edit;
    const char* role;
};

// The four options, each at its own place.
struct OptionGroupRow {
    OptionGroup& group;
    std::array<Twips, OptionGroup::count> at;
    Colour ink = colour::blueText;
};

struct GridRow {
    GridModel& grid;
    Twips at;
    const char* role;
    // The grid's cells, where they are not in the standard colour.
    Colour paper = colour::standard;
    bool scrolls = false;
    // What a click on a cell calls, for the one grid that takes clicks;
    // Space and Return on the current cell call it too, as a reader is told.
    CellClick click = nullptr;
    const char* keysDo = nullptr;
    // In words, what a cell's colours show, for the grid whose colours tell states.
    std::string (*cellSays)(const GridModel&, int row, int col) = nullptr;
    // Whether a reader hears how many rows the grid holds, for the log
    // whose rows stand ready far beyond its entries.
    bool tellsEntries = false;
};

struct ViewerRow {
    RichTextViewer& viewer;
    Twips at;
    const char* role;
};

struct FrameRow {
    Frame& frame;
    Twips at;
    Colour ink = colour::blueText;
};

struct DriveListRow {
    DriveList& list;
    Twips at;
    const char* role;
};

struct DirListRow {
    DirList& list;
    Twips at;
    const char* role;
};

struct FileListRow {
    FileList& list;
    Twips at;
    const char* role;
};

using Placement = std::variant<ShapeRow, LabelRow, ButtonRow, TextBoxRow, OptionGroupRow, GridRow,
                               ViewerRow, FrameRow, DriveListRow, DirListRow, FileListRow>;

} // namespace ravelin
