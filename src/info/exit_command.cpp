#include "info/exit_command.h"

#include "window/form_model.h"
#include "window/platform.h"

namespace ravelin {

void ExitCommand::okendeClick() {}

} // namespace ravelin
