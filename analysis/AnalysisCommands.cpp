// Analyze FileList and the Shared DLL check.
#include "app/Application.h"
#include "app/MainForm.h"

namespace zarvik {

void TForm1::SpeedButton2Click() {}
void TForm1::CheckSharedDlls() {}

}  // namespace zarvik
