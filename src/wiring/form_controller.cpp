// SPDX-License-Identifier: GPL-3.0-or-later
#include "wiring/form_controller.h"

#include "window/startup.h"

namespace ravelin {

FormController::FormController(Platform platform)
    : form_(*this), runInputs_(form_), spinRun_(form_, platform.spins), marking_(form_),
      restart_(form_, platform.confirmation), importPanel_(form_, platform.files),
      infoViewer_(form_, platform.files), exit_(form_, platform.confirmation)
{
    runStartUp(form_, platform.spins);
    importPanel_.initialise();
}

void FormController::tabelle1Click(int row, int col)
{
    GridModel& grid = form_.tabelle1;
    grid.setRow(row);
    grid.setCol(col);
    grid.setSelectionEndRow(row);
    form_.announcement.clear();
    marking_.tabelle1Click();
}

void FormController::dir1Open(int entryIndex)
{
    const auto& entries = form_.Dir1.entries();
    if (entryIndex < 0 || entryIndex >= static_cast<int>(entries.size()))
        return;
    form_.openFolder(entries[static_cast<std::size_t>(entryIndex)].path);
}

void FormController::file1Click(int index)
{
    form_.File1.setSelected(index);
    importPanel_.file1Click();
}

} // namespace ravelin
