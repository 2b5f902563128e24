// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control/marking.h"
#include "control/restart.h"
#include "control/run_inputs.h"
#include "import/import_panel.h"
#include "info/exit_command.h"
#include "info/info_viewer.h"
#include "run/spin_run.h"
#include "window/form_model.h"
#include "window/platform.h"

#include <string_view>

namespace ravelin {

struct Platform {
    SpinSource& spins;
    Confirmation& confirmation;
    FileSystem& files;
};

// The window's behaviour without the toolkit: it owns the model, answers the
// controls' change handling with the handlers and takes every user event.
// Constructing it runs the start-up.
class FormController : private ChangeHandling {
public:
    explicit FormController(Platform platform);
    FormController(const FormController&) = delete;
    FormController& operator=(const FormController&) = delete;

    FormModel& form() { return form_; }
    const FormModel& form() const { return form_; }

    // User events, one handler each.
    // The events that say what they did begin with no words: the screen
    // takes each event's words after it, a caller without a screen need not.
    void okstartClick()
    {
        form_.announcement.clear();
        spinRun_.okstartClick();
    }
    void runToEnd()
    {
        form_.announcement.clear();
        spinRun_.runToEnd();
    }
    void okabbrechenClick() { restart_.okabbrechenClick(); }
    void option1Click(int index) { form_.selectRunMode(index); }
    void textanzahlEdited(std::string_view text) { form_.setTextanzahl(text); }
    void haltbeiEdited(std::string_view text) { form_.setHaltbei(text); }
    // A click or drag in the frequency grid that ended at (row, col).
    void tabelle1Click(int row, int col);
    // The user scrolled a grid to a new top row.
    void tabelle1Scroll(int topRow) { form_.tabelle1.scrolledTo(topRow); }
    void tabelle2Scroll(int topRow) { form_.tabelle2.scrolledTo(topRow); }
    void tabelle3Scroll(int topRow) { form_.tabelle3.scrolledTo(topRow); }
    // A key that moves the spin log's current row, pressed on the row `from`.
    void tabelle3Key(int from, RowKey key, int rowsInView)
    {
        form_.tabelle3.keyPressed(from, key, rowsInView);
    }
    void okresetlClick()
    {
        form_.announcement.clear();
        marking_.okresetlClick();
    }
    void command1Click()
    {
        form_.announcement.clear();
        marking_.command1Click();
    }
    void okexternClick() { importPanel_.okexternClick(); }
    void okexternokClick()
    {
        form_.announcement.clear();
        importPanel_.okexternokClick();
    }
    void okexternabbruchClick() { importPanel_.okexternabbruchClick(); }
    void drive1Choose(int index) { form_.selectDrive(index); }
    void dir1Open(int entryIndex);
    void file1Click(int index);
    void okinfoClick() { infoViewer_.okinfoClick(); }
    void okendeClick() { exit_.okendeClick(); }

    bool quitRequested() const { return form_.quitRequested; }

private:
    // What runs when a control changes, by the user or by a handler.
    void textanzahlChanged() override { runInputs_.textanzahlChanged(); }
    void haltbeiChanged() override { runInputs_.haltbeiChanged(); }
    void runModeChanged() override { runInputs_.runModeChanged(); }
    void driveChanged() override { importPanel_.driveChanged(); }
    void folderChanged() override { importPanel_.folderChanged(); }

    FormModel form_;
    RunInputs runInputs_;
    SpinRun spinRun_;
    Marking marking_;
    Restart restart_;
    ImportPanel importPanel_;
    InfoViewer infoViewer_;
    ExitCommand exit_;
};

} // namespace ravelin
