#include "control/run_inputs.h"

#include "control/number_reading.h"
#include "window/form_model.h"

namespace ravelin {

void RunInputs::textanzahlChange() {}
void RunInputs::haltbeiChange() {}
void RunInputs::option1Click() {}

} // namespace ravelin
