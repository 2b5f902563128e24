#include "info/info_viewer.h"

#include "window/form_model.h"
#include "window/platform.h"

namespace ravelin {

void InfoViewer::okinfoClick() {}

} // namespace ravelin
