#include "import/import_panel.h"

#include "window/form_model.h"
#include "window/platform.h"

namespace ravelin {

void ImportPanel::initialise() {}
void ImportPanel::okexternClick() {}
void ImportPanel::okexternokClick() {}
void ImportPanel::okexternabbruchClick() {}
void ImportPanel::drive1Change() {}
void ImportPanel::dir1Change() {}
void ImportPanel::file1Click() {}

} // namespace ravelin
