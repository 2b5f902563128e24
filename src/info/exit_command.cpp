// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/exit_command.h"

#include "window/form_model.h"
#include "window/platform.h"

namespace ravelin {

void ExitCommand::okendeClick()
{
    // Nothing is kept between program starts, so there is nothing to save first.
    if (confirmation_.confirm("Soll das Programm beendet werden ?     ", " Beenden"))
        form_.quitRequested = true;
}

} // namespace ravelin
