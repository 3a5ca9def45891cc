// Build, Clear, Export, the log view and the optional directories.
#include "app/Application.h"
#include "app/MainForm.h"

namespace zarvik {

void TForm1::SpeedButton1Click() {}
void TForm1::SpeedButton5Click() {}
void TForm1::SpeedButton7Click() {}
void TForm1::Button4Click() { ReloadLogView(); }
void TForm1::Button1Click() {}
void TForm1::Button2Click() {}
void TForm1::Button3Click() {}
void TForm1::Button5Click() {}
void TForm1::DirectoryListBox1Change() { Edit1.SetText(DirectoryListBox1.Directory()); }
void TForm1::ScanOptionalDirectory(const std::string&, int) {}

}  // namespace zarvik
