// The Generate Report buttons of the notebook pages.
#include "app/Application.h"
#include "app/MainForm.h"

namespace zarvik {

void TForm1::Button6Click() {}
void TForm1::Button7Click() {}
void TForm1::Button8Click() {}
void TForm1::Button9Click() {}
void TForm1::Button10Click() {}
void TForm1::Button11Click() {}
void TForm1::Button12Click() {}
void TForm1::Button13Click() {}
void TForm1::Button14Click() {}
void TForm1::Button17Click() {}
void TForm1::Button33Click() {}

}  // namespace zarvik
