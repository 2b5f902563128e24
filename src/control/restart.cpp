// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/restart.h"

#include "board/wheel.h"
#include "control/marking.h"
#include "window/form_model.h"
#include "window/guidance_text.h"
#include "window/platform.h"

namespace ravelin {

void Restart::okabbrechenClick()
{
    if (!confirmation_.confirm("Abbruch bitte best\u00e4tigen !     ", " Abbruch"))
        return;

    form_.state.setBackForNewRun();

    clearCounts(form_);
    rearmGreenGrid(form_);

    // The run colours repeat cells; they go back to the grid's own background.
    GridModel& t1 = form_.tabelle1;
    for (int n = 0; n <= wheel::lastNumber; ++n) {
        t1.setRow(n);
        for (int c = tabelle1col::frequency; c <= tabelle1col::threeInARow; ++c) {
            t1.setCol(c);
            t1.setCellBackColour(colour::standard);
        }
    }

    // An emptied log scrolled down would show nothing but blank rows.
    form_.tabelle3.clear();
    form_.tabelle3.setTopRow(0);

    for (Label* label : {&form_.lakut, &form_.lzahl, &form_.Lreal, &form_.Label11, &form_.Lrotat,
                         &form_.Label13, &form_.Label14, &form_.Label15})
        label->setCaption("");

    form_.okextern.setEnabled(true);
    form_.okstart.setCaption(startCaption);
    form_.okstart.setEnabled(false);
    form_.okstart.setBackColour(colour::startGreen);
    form_.okabbrechen.setEnabled(false);

    // Through the box, so that its change handling sees the empty text.
    form_.setTextanzahl("");

    form_.text.setCaption(startGuidanceText());
}

} // namespace ravelin
