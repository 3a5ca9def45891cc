// The File Browser page: drive, folder, mask.
#include "app/Application.h"
#include "app/MainForm.h"

namespace zarvik {

void TForm1::Edit3Change() { FileListBox1.SetMask(Edit3.Text()); }
void TForm1::Button18Click() { Edit3.SetText("*.dll"); }
void TForm1::Button19Click() { Edit3.SetText("*.exe"); }
void TForm1::Button20Click() { Edit3.SetText("*.tmp"); }
void TForm1::Button21Click() { Edit3.SetText("*.ini"); }
void TForm1::Button22Click() { Edit3.SetText("*.vxd"); }
void TForm1::Button23Click() { Edit3.SetText("*.log"); }
void TForm1::Button24Click() { Edit3.SetText("*.bat"); }
void TForm1::Button25Click() { Edit3.SetText("*.sys"); }
void TForm1::Button26Click() { Edit3.SetText("*.com"); }
void TForm1::Button27Click() { Edit3.SetText("*.*"); }
void TForm1::DirectoryListBox2Change() { FileListBox1.SetDirectory(DirectoryListBox2.Directory()); }
void TForm1::DriveComboBox1Change() {
    const char drive = DriveComboBox1.Drive();
    if (!drive) return;
    // The drive's current directory, as the system remembers it per drive.
    const char driveOnly[] = {drive, ':', '\0'};
    char full[MAX_PATH];
    const DWORD n = ::GetFullPathNameA(driveOnly, sizeof full, full, nullptr);
    const std::string directory = n > 0 && n < sizeof full ? std::string(full) : std::string(driveOnly) + "\\";
    try {
        DirectoryListBox2.SetDirectory(directory);
    } catch (...) {
        // A drive without a medium: the selector goes back to where the tree is.
        DriveComboBox1.SetDrive(DirectoryListBox2.Directory()[0]);
        throw;
    }
    DirectoryListBox2Change();
}
void TForm1::FilterComboBox1Change() { FileListBox1.SetMask(FilterComboBox1.Mask()); }

}  // namespace zarvik
