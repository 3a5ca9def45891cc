// Generate Change Report.
#include "app/Application.h"
#include "app/MainForm.h"

namespace zarvik {

void TForm1::SpeedButton6Click() {}

}  // namespace zarvik
