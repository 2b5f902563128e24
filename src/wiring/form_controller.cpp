// SPDX-License-Identifier: GPL-3.0-or-later
#include "wiring/form_controller.h"

#include "window/startup.h"

namespace ravelin {

FormController::FormController(Platform platform)
    : runInputs_(form_), spinRun_(form_, platform.spins), marking_(form_),
      restart_(form_, platform.confirmation), importPanel_(form_, platform.files),
      infoViewer_(form_, platform.files), exit_(form_, platform.confirmation)
{
    form_.textanzahl.onChange = [this] { runInputs_.textanzahlChange(); };
    form_.haltbei.onChange = [this] { runInputs_.haltbeiChange(); };
    form_.Option1.onClick = [this](int) { runInputs_.option1Click(); };
    form_.Drive1.onChange = [this] { importPanel_.drive1Change(); };
    form_.Dir1.onChange = [this] { importPanel_.dir1Change(); };

    runStartUp(form_, platform.spins);
    importPanel_.initialise();
}

void FormController::tabelle1Click(int row, int col)
{
    GridModel& grid = form_.tabelle1;
    grid.setRow(row);
    grid.setCol(col);
    grid.setSelectionEndRow(row);
    marking_.tabelle1Click();
}

void FormController::dir1Open(int entryIndex)
{
    const auto& entries = form_.Dir1.entries();
    if (entryIndex < 0 || entryIndex >= static_cast<int>(entries.size()))
        return;
    form_.Dir1.setPath(entries[static_cast<std::size_t>(entryIndex)].path);
}

void FormController::file1Click(int index)
{
    form_.File1.setSelected(index);
    importPanel_.file1Click();
}

} // namespace ravelin
