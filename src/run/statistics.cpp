#include "run/statistics.h"

#include "window/form_model.h"

namespace ravelin {

void Statistics::update() {}

} // namespace ravelin
