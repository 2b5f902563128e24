// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One row of the window's layout: which control of the model a widget shows,
// where it stands, in what face and colours, and what its events call. Each
// kind of control has a row of its own that holds the control by its real
// type, so a row of the wrong kind does not compile.

#include "window/colour.h"
#include "window/form_model.h"
#include "window/grid_copy.h"
#include "wiring/form_controller.h"

#include <qnamespace.h>

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

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

// The handlers a row hands its view, one per event the view raises.
using Click = void (FormController::*)();
using Edit = void (FormController::*)(std::string_view);
using CellClick = void (FormController::*)(int row, int col);
using Choose = void (FormController::*)(int index);
using Scroll = void (FormController::*)(int topRow);
using RowKeyPress = void (FormController::*)(int from, RowKey key, int rowsInView);

// The rectangle round the right column: no control, only a line, and no
// object for a reader.
struct ShapeRow {
    Twips at;
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
    // Where Return moves the focus, when that stop takes it; never a
    // button's press, so that Return in a box runs nothing.
    const Control* returnMovesTo = nullptr;
};

// The four options, each at its own place; a click or an arrow key chooses one.
struct OptionGroupRow {
    OptionGroup& group;
    std::array<Twips, OptionGroup::count> at;
    Choose choose;
    Colour ink = colour::blueText;
};

struct GridRow {
    GridModel& grid;
    Twips at;
    const char* role;
    // The user scrolled the grid to a new top row.
    Scroll scroll;
    // What a reader calls the columns, and whether the rows by their number
    // from 0; the grid's own headers stay hidden.
    std::vector<std::string> columnNames;
    bool rowsByNumber = false;
    // The grid's cells, where they are not in the standard colour.
    Colour paper = colour::standard;
    bool scrolls = false;
    // For the one grid that takes clicks: a click or drag ending on a cell,
    // or a reader's action on it; and Space, Return or Enter on the current
    // cell, with what they do in words for a reader.
    CellClick click = nullptr;
    CellClick keyAction = nullptr;
    const char* keysDo = nullptr;
    // In words, what a cell's colours show, for the grid whose colours tell states.
    std::string (*cellSays)(const GridModel&, int row, int col) = nullptr;
    // All a reader hears of a cell, for the grid whose cells mean little
    // without what stands beside them.
    std::string (*cellReads)(const GridModel&, int row, int col) = nullptr;
    // Whether a reader hears how many rows the grid holds, for the log
    // whose rows stand ready far beyond its entries.
    bool tellsEntries = false;
    // The keys that move the current row, for the log whose model decides
    // where they land.
    RowKeyPress rowKey = nullptr;
    // The grid as it is copied, whole: the grids never show a selection.
    CopiedTable (*copiedAs)(const GridModel&) = nullptr;
};

struct ViewerRow {
    RichTextViewer& viewer;
    Twips at;
    const char* role;
};

// The import panel. Escape within it presses the button that closes it:
// the focus goes to that button first, so that it lands where that
// button's press leaves it.
struct FrameRow {
    Frame& frame;
    Twips at;
    const Button& escapePresses;
    Click escape;
    Colour ink = colour::blueText;
};

// A drive chosen from the list.
struct DriveListRow {
    DriveList& list;
    Twips at;
    const char* role;
    Choose choose;
};

// An entry opened by a double-click or Return.
struct DirListRow {
    DirList& list;
    Twips at;
    const char* role;
    Choose open;
};

// A file chosen by the keys, or clicked with the mouse.
struct FileListRow {
    FileList& list;
    Twips at;
    const char* role;
    Choose choose;
    Choose click;
};

using Placement = std::variant<ShapeRow, LabelRow, ButtonRow, TextBoxRow, OptionGroupRow, GridRow,
                               ViewerRow, FrameRow, DriveListRow, DirListRow, FileListRow>;

} // namespace ravelin
