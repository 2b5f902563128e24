// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/board_tables.h"
#include "board/session_state.h"
#include "window/announcement.h"
#include "window/change_handling.h"
#include "window/controls.h"
#include "window/file_lists.h"
#include "window/grid_model.h"
#include "window/paint_now.h"
#include "window/rich_text_viewer.h"

#include <span>
#include <string>
#include <string_view>

namespace ravelin {

// The columns of the frequency grid tabelle1. The two repeat columns also
// show a triple's candidates: the pair in one, the six-group in the other.
namespace tabelle1col {
inline constexpr int number = 0; // on a light green background when marked
inline constexpr int frequency = 1;
inline constexpr int twiceInARow = 2;
inline constexpr int threeInARow = 3;
} // namespace tabelle1col

// The caption of okstart whenever no triple is open.
inline constexpr std::string_view startCaption = "Start";

// Everything the handlers work on: the session state, the board tables and
// the state of every control of the window, each named as in the window.
struct FormModel {
    explicit FormModel(ChangeHandling& handling);
    FormModel(const FormModel&) = delete;
    FormModel& operator=(const FormModel&) = delete;

    SessionState state;
    BoardTables board;

private:
    // Filled by the controls below as they are made: the one list of them.
    ControlList controls_;

public:
    // Left column.
    GridModel tabelle1;
    GridModel tabelle2;
    Label Label6, Label7, Label8, Label9;
    Button okresetl;
    Label Label11; // the ordinal at which some number first reached a count of two
    Label Label13; // the ordinal at which some number first came twice in a row
    Label Label14; // the ordinal at which some number first came three times in a row
    Button Command1;

    // Middle column.
    Label text;
    Label Label3, Label4, Label5;
    Label lakut;
    Label Lreal;
    GridModel tabelle3;
    Button okinfo;
    RichTextViewer infotext;

    // Right column.
    Label Label1;
    TextBox textanzahl;
    Label Label15;
    OptionGroup Option1;
    TextBox haltbei;
    Label Label17, Lrotat;
    Label Label2, lzahl;
    Button okstart;
    Button okabbrechen;
    Button okextern;
    Button okende;

    // The import panel over the right column.
    Frame Frame1;
    DriveList Drive1;
    Label Label10;
    DirList Dir1;
    FileList File1;
    Button okexternok;
    Button okexternabbruch;

    // Set by the exit once the user has confirmed it.
    bool quitRequested = false;
    // The folder the last permanence came from, imported or tallied, in this
    // program's life: where the next choice of permanences starts.
    std::string permanenceFolder;
    // What a screen reader says of the last user event; the screen takes it.
    Announcement announcement;

    // Every control of the window, in the order declared above.
    std::span<Control* const> controls() const { return controls_; }

    // These writes run the control's change handling at once, inside the
    // handler that makes them, just as the user's own change does.
    void setTextanzahl(std::string_view text);
    void setHaltbei(std::string_view text);
    void selectRunMode(int index);
    void selectDrive(int index);
    void openFolder(const std::string& path);

    // What runs when a control changes; a test may stand between.
    ChangeHandling* changeHandling;
    // Where the run shows a control at once; none without a screen.
    PaintNow* paintNow = nullptr;
};

} // namespace ravelin
