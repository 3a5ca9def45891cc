#pragma once
// TForm1, the main window: toolbar, the notebook of sixteen pages, the status
// line. Its controls are the program's working data; the commands of each
// subsystem are member functions defined in that subsystem's folder.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/Form.h"

namespace zarvik {

class Application;
class CommandProgress;

inline constexpr const char* kProductTitle = "Zarvik v1.1";
inline constexpr const char* kNoItemsYet = "No Items to list, Please Click the Analyze Button.";

class TForm1 : public ui::Form {
public:
    explicit TForm1(Application& app);
    ~TForm1() override;

    // Builds the window and runs FormCreate.
    void Create();

    // --- Toolbar (Panel3) ---
    ui::Panel Panel3;
    ui::ToolTip Hints;
    ui::SpeedButton SpeedButton1;   // Build FileList
    ui::SpeedButton SpeedButton2;   // Analyze FileList
    ui::SpeedButton SpeedButton5;   // Clear FileList
    ui::SpeedButton SpeedButton6;   // Generate Change Report
    ui::SpeedButton SpeedButton4;   // About
    ui::SpeedButton SpeedButton7;   // Export FileList
    ui::SpeedButton SpeedButton11;  // Display Zarvik Reporting Tool
    ui::SpeedButton SpeedButton10;  // Compare Reports
    ui::SpeedButton SpeedButton8;   // Display Settings
    ui::SpeedButton SpeedButton3;   // Quit
    ui::Label Label14;              // "Processing, Please Wait"
    ui::Edit Edit2;                 // hidden: formats sizes in K
    ui::UpDown UpDown1;

    ui::StatusBar StatusBar1;
    ui::ListBox ListBox5;  // hidden scratch list of log keys
    ui::PageControl PageControl1;

    // Pages in tab order.
    ui::TabSheet* TabSheet1 = nullptr;   // Windows Files
    ui::TabSheet* TabSheet2 = nullptr;   // System Files
    ui::TabSheet* TabSheet3 = nullptr;   // Zero Length Files
    ui::TabSheet* TabSheet4 = nullptr;   // Files Added
    ui::TabSheet* TabSheet5 = nullptr;   // Files Deleted
    ui::TabSheet* TabSheet6 = nullptr;   // Files Changed
    ui::TabSheet* TabSheet7 = nullptr;   // Shared DLL Files
    ui::TabSheet* TabSheet8 = nullptr;   // Missing Shared DLL Files
    ui::TabSheet* TabSheet9 = nullptr;   // View LogFile
    ui::TabSheet* TabSheet10 = nullptr;  // View Process List
    ui::TabSheet* TabSheet11 = nullptr;  // About
    ui::TabSheet* TabSheet12 = nullptr;  // File Browser
    ui::TabSheet* TabSheet13 = nullptr;  // Optional Directories
    ui::TabSheet* TabSheet14 = nullptr;  // Registry Services
    ui::TabSheet* TabSheet15 = nullptr;  // DDE Services
    ui::TabSheet* TabSheet16 = nullptr;  // Additional

    // Windows Files, System Files
    ui::FileListBox FileListBox3;
    ui::Memo Memo1;
    ui::Button Button6;
    ui::FileListBox FileListBox4;
    ui::Memo Memo2;
    ui::Button Button7;
    // Result pages
    ui::ListBox ListBox8;  // Zero Length Files
    ui::Memo Memo3;
    ui::Button Button8;
    ui::ListBox ListBox4;  // Files Added
    ui::Memo Memo4;
    ui::Button Button9;
    ui::ListBox ListBox2;  // Files Deleted
    ui::Memo Memo5;
    ui::Button Button10;
    ui::ListBox ListBox3;  // Files Changed
    ui::Memo Memo6;
    ui::Button Button11;
    ui::ListBox ListBox1;  // Shared DLL Files
    ui::Memo Memo7;
    ui::Button Button12;
    ui::ListBox ListBox6;  // Missing Shared DLL Files
    ui::Memo Memo8;
    ui::Button Button13;
    // View LogFile
    ui::Memo Memo9;
    ui::Memo Memo10;
    ui::Button Button4;
    ui::Button Button14;
    // View Process List
    ui::ListBox ListBox7;
    ui::Button Button15;
    // About
    ui::Memo Memo12;
    // File Browser
    ui::Label Label12;
    ui::FileListBox FileListBox1;
    ui::Label DriveLabel;
    ui::DriveComboBox DriveComboBox1;
    ui::DirectoryListBox DirectoryListBox2;
    ui::Label FilterLabel;
    ui::FilterComboBox FilterComboBox1;
    ui::Edit Edit3;
    ui::Label Edit3Label;
    ui::Button Button26, Button25, Button24, Button23, Button22, Button21, Button20, Button19,
        Button18, Button27;
    ui::Memo Memo13;
    ui::Button Button17;
    // Optional Directories
    ui::ListBox ListBox11;
    ui::Edit Edit1;
    ui::DirectoryListBox DirectoryListBox1;
    ui::Button Button1;  // <----Add Dir <----
    ui::Button Button2;  // Remove Dir
    ui::Button Button3;  // Clear All
    ui::Button Button5;  // Commit
    ui::Button Button33;
    ui::Memo Memo14;
    // Additional
    ui::Memo Memo21;
    ui::Button Button53;
    ui::ListBox ListBox9;
    ui::Button Button55;

    // --- Commands: start-up and frame (app/) ---
    void FormCreate();
    void SpeedButton3Click();   // Quit
    void SpeedButton4Click();   // About
    void SpeedButton8Click();   // Display Settings
    void SpeedButton10Click();  // Compare Reports
    void SpeedButton11Click();  // Reporting Tool
    void StatusBar1DblClick();
    // Shows the Processing label and paints it before a long command.
    void BeginProcessing();
    void EndProcessing();
    void SetStatus(const std::string& text);
    // Reloads the log view from LogFileName; on failure the view keeps its text.
    void ReloadLogView();
    // A size in K as the result lists show it, with the user's thousands
    // separator.
    std::string SizeText(int32_t bytes);

    // --- File list (filelist/) ---
    void SpeedButton1Click();  // Build FileList
    void SpeedButton5Click();  // Clear FileList
    void SpeedButton7Click();  // Export FileList
    void Button4Click();       // Refresh log view
    void Button1Click();       // Add Dir
    void Button2Click();       // Remove Dir
    void Button3Click();       // Clear All
    void Button5Click();       // Commit
    void DirectoryListBox1Change();
    void ScanOptionalDirectory(const std::string& directory, int index);

    // --- Change analysis (analysis/) ---
    void SpeedButton2Click();  // Analyze FileList
    void CheckSharedDlls();
    void SpeedButton6Click();  // Generate Change Report

    // --- Page reports (report/) ---
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Button12Click();
    void Button13Click();
    void Button14Click();
    void Button17Click();
    void Button33Click();

    // --- File browser (inspect/) ---
    void Edit3Change();
    void Button18Click();
    void Button19Click();
    void Button20Click();
    void Button21Click();
    void Button22Click();
    void Button23Click();
    void Button24Click();
    void Button25Click();
    void Button26Click();
    void Button27Click();
    void DirectoryListBox2Change();
    void DriveComboBox1Change();
    void FilterComboBox1Change();

    Application& App() { return app_; }

private:
    void CreateToolbar();
    void CreatePages();
    void CreateListPage(ui::TabSheet& page, const char* title, ui::Window& list,
                        bool fileList, ui::Memo& memo, const std::vector<std::string>& description,
                        ui::Button& report);
    ui::Label& AddTitle(ui::TabSheet& page, const char* title, ui::Label* label = nullptr);
    void CreateLogViewPage();
    void CreateProcessPage();
    void CreateAboutPage();
    void CreateFileBrowserPage();
    void CreateOptionalPage();
    void CreateAdditionalPage();
    void WireEvents();
    void PrepareLogFile();
    void ChooseLogFile();
    void SetExternalListMode(bool external);
    void LoadWinIni();

    Application& app_;
    CommandProgress* progress_ = nullptr;     // set while a long command runs
    std::vector<std::string> unenterable_;    // optional directories it could not enter
    std::vector<std::unique_ptr<ui::Label>> titles_;
    ui::Rect pageArea_;  // client size of a notebook page
};

}  // namespace zarvik
