// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/run_inputs.h"

#include "board/wheel.h"
#include "text/number_reading.h"
#include "window/form_model.h"
#include "window/run_mode.h"

namespace ravelin {

void RunInputs::textanzahlChanged()
{
    const double v = readNumber(form_.textanzahl.text());
    if (v > 0) {
        form_.state.wurfanzahl = v;
        form_.okstart.setEnabled(true);
        return;
    }
    // Emptying runs this handling once more; an empty box stays empty.
    form_.okstart.setEnabled(false);
    form_.setTextanzahl("");
}

void RunInputs::haltbeiChanged()
{
    const double v = readNumber(form_.haltbei.text());
    if (v > 0) {
        form_.state.haltwurf = v;
        return;
    }
    form_.setHaltbei("");
}

void RunInputs::runModeChanged()
{
    const OptionGroup& modes = form_.Option1;
    TextBox& haltbei = form_.haltbei;
    if (modes.isSelected(runmode::haltBeiWurf)) {
        haltbei.setBackColour(colour::white);
        haltbei.setEnabled(true);
    } else {
        // The halt spin itself stays in the session; only the box is emptied.
        haltbei.setBackColour(colour::lightGrey);
        form_.setHaltbei("");
        haltbei.setEnabled(false);
    }

    const SessionState& s = form_.state;
    if (modes.isSelected(runmode::rotation37) &&
        s.wurfanzahl - s.wurfnummer < wheel::spinsPerRotation)
        form_.selectRunMode(runmode::einzelschritt);
}

} // namespace ravelin
