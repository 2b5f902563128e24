#include "run/spin_run.h"

#include "window/form_model.h"
#include "window/platform.h"

namespace ravelin {

void SpinRun::okstartClick() {}

} // namespace ravelin
