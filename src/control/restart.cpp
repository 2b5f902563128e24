#include "control/restart.h"

#include "window/form_model.h"
#include "window/platform.h"

namespace ravelin {

void Restart::okabbrechenClick() {}

} // namespace ravelin
