#include "control/marking.h"

#include "window/form_model.h"

namespace ravelin {

void rearmGreenGrid(FormModel&) {}

void Marking::tabelle1Click() {}
void Marking::okresetlClick() {}
void Marking::command1Click() {}

} // namespace ravelin
