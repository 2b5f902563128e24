#include "run/run_modes.h"

#include "window/form_model.h"

namespace ravelin {

bool RunModes::step() { return false; }
void RunModes::rotationReset() {}
void RunModes::rotationClear() {}

} // namespace ravelin
