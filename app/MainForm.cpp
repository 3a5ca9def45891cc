#include "app/MainForm.h"

#include <stdexcept>

#include "app/Application.h"
#include "app/FileProbe.h"
#include "display/Display.h"
#include "report/Compare.h"
#include "report/Unit2.h"
#include "ui/FileListing.h"
#include "ui/Glyphs.h"

namespace zarvik {

namespace {

constexpr int kClientWidth = 791;
constexpr int kClientHeight = 483;
constexpr int kToolbarHeight = 41;

const char* const kAboutText =
    "Zarvik builds a list of system files and allows them to be automatically analyzed finding "
    "files that have been altered to assist in locating the source of problems relating to files "
    "that have been altered by installations/upgrades";

const std::vector<std::string> kAboutHelp = {
    "Zarvik v1.1",
    "",
    "Zarvik records the name and size of every file of the Windows directory, the System",
    "directory and any optional directories you choose in a log file, Zarvik.ini in the",
    "Windows directory. After an installation or upgrade it compares the disk with that log",
    "and lists the files that were added, deleted, changed or are now empty, together with",
    "the shared DLLs registered in the registry and those that are missing.",
    "",
    "Starting up",
    "At every start Zarvik asks whether to open an external list file. Answer No to work on",
    "this machine's own log. Answer Yes and choose a log exported from another machine to",
    "compare this machine with it: the external list is read-only, so Build FileList, Clear",
    "FileList, Export FileList and Commit stay disabled for the whole run.",
    "",
    "The toolbar, left to right",
    "Build FileList: logs the size of every file of the Windows and System directories.",
    "Analyze FileList: compares the disk with the log and fills the result pages.",
    "Clear FileList: removes the Windows and System entries from the log.",
    "Generate Change Report: writes all results of the last analysis to the Reporting Tool.",
    "About: who made Zarvik.",
    "Export FileList: saves a copy of the log under another name.",
    "Display Zarvik Reporting Tool: the editor where reports are edited, saved and printed.",
    "Compare Reports: compares two saved reports line by line.",
    "Display Settings: the main window's border and translucency.",
    "Quit Zarvik v1.1: ends the program.",
    "",
    "The pages",
    "Windows Files and System Files: the files that Build FileList logs.",
    "Zero Length Files, Files Added, Files Deleted, Files Changed: the results of the analysis.",
    "Shared DLL Files and Missing Shared DLL Files: the registered shared files.",
    "View LogFile: the text of the log file.",
    "View Process List: the desktop's windows and their processes.",
    "File Browser: browse drives and folders with file-type filters.",
    "Optional Directories: choose further directories to log, then press Commit.",
    "Registry Services: start-up entries, shell-open commands and services.",
    "DDE Services: a DDE client and server for testing other programs.",
    "Additional: edit win.ini and see the installed services.",
    "",
    "Every page with a list has a Generate Report button that sends the list to the",
    "Reporting Tool. Double click on a file in a list to view it in text form.",
};

}  // namespace

TForm1::TForm1(Application& app) : app_(app) {}

TForm1::~TForm1() = default;

void TForm1::Create() {
    CreateForm(std::string(86, ' ') + kProductTitle,
               {.clientWidth = kClientWidth,
                .clientHeight = kClientHeight,
                .hideOnClose = false,
                .quitOnDestroy = true});
    CreateToolbar();
    StatusBar1.Create(Handle());
    const ui::Rect status = StatusBar1.Bounds();
    ListBox5.Create(Handle(), {0, kToolbarHeight, 10, 10});
    ListBox5.Hide();
    PageControl1.Create(Handle(), {0, kToolbarHeight, kClientWidth,
                                   kClientHeight - kToolbarHeight - status.h});
    CreatePages();
    WireEvents();
    FormCreate();
}

void TForm1::CreateToolbar() {
    Panel3.Create(Handle(), {0, 0, kClientWidth, kToolbarHeight}, "", true);
    Hints.Create(Handle());
    struct Tool {
        ui::SpeedButton& button;
        const char* hint;
        ui::SpeedButton::Painter glyph;
    };
    Tool tools[] = {
        {SpeedButton1, "Build FileList", ui::glyphs::Build()},
        {SpeedButton2, "Analyze FileList", ui::glyphs::Analyze()},
        {SpeedButton5, "Clear FileList", ui::glyphs::Clear()},
        {SpeedButton6, "Generate Change Report", ui::glyphs::Report()},
        {SpeedButton4, "About Zarvik v1.1", ui::glyphs::About()},
        {SpeedButton7, "Export FileList", ui::glyphs::Export()},
        {SpeedButton11, "Display Zarvik Reporting Tool", ui::glyphs::Tool()},
        {SpeedButton10, "Compare Reports", ui::glyphs::Compare()},
        {SpeedButton8, "Display Settings", ui::glyphs::Display()},
        {SpeedButton3, "Quit Zarvik v1.1", ui::glyphs::Quit()},
    };
    int x = 6;
    for (Tool& t : tools) {
        t.button.Create(Panel3.Handle(), {x, 7, 25, 25}, t.hint, t.glyph, &Hints);
        x += 27;
    }
    Label14.Create(Panel3.Handle(), {490, 7, 290, 28}, "Processing, Please Wait",
                   {.color = RGB(255, 0, 0), .height = 24, .bold = true});
    // Off the visible client area: the pair only turns numbers into text.
    Edit2.Create(Panel3.Handle(), {-200, -100, 80, 21}, "1");
    Edit2.Hide();
    UpDown1.Create(Panel3.Handle(), {-120, -100, 16, 21}, Edit2, 1, 32767, 1);
    UpDown1.Hide();
}

ui::Label& TForm1::AddTitle(ui::TabSheet& page, const char* title, ui::Label* label) {
    if (!label) {
        titles_.push_back(std::make_unique<ui::Label>());
        label = titles_.back().get();
    }
    label->Create(page.Handle(), {10, 4, 400, 32}, title,
                  {.color = RGB(0, 0, 0), .height = 24, .bold = true, .shadow = true});
    return *label;
}

void TForm1::CreateListPage(ui::TabSheet& page, const char* title, ui::Window& list,
                            bool fileList, ui::Memo& memo,
                            const std::vector<std::string>& description, ui::Button& report) {
    const int w = pageArea_.w, h = pageArea_.h;
    AddTitle(page, title);
    const ui::Rect listRect{10, 40, w - 300, h - 48};
    if (fileList) {
        static_cast<ui::FileListBox&>(list).Create(page.Handle(), listRect);
    } else {
        static_cast<ui::ListBox&>(list).Create(page.Handle(), listRect, {.hScroll = true});
        static_cast<ui::ListBox&>(list).Add(kNoItemsYet);
    }
    memo.Create(page.Handle(), {w - 280, 40, 270, h - 90}, description,
                {.readOnly = true, .vScroll = false});
    report.Create(page.Handle(), {w - 280, h - 40, 130, 25}, "Generate Report");
}

void TForm1::CreatePages() {
    const char* captions[] = {"Windows Files", "System Files", "Zero Length Files", "Files Added",
                              "Files Deleted", "Files Changed", "Shared DLL Files",
                              "Missing Shared DLL Files", "View LogFile", "View Process List",
                              "About", "File Browser", "Optional Directories",
                              "Registry Services", "DDE Services", "Additional"};
    ui::TabSheet** sheets[] = {&TabSheet1,  &TabSheet2,  &TabSheet3,  &TabSheet4,
                               &TabSheet5,  &TabSheet6,  &TabSheet7,  &TabSheet8,
                               &TabSheet9,  &TabSheet10, &TabSheet11, &TabSheet12,
                               &TabSheet13, &TabSheet14, &TabSheet15, &TabSheet16};
    for (int i = 0; i < 16; ++i) *sheets[i] = &PageControl1.AddPage(captions[i]);
    RECT rc{};
    ::GetClientRect(TabSheet1->Handle(), &rc);
    pageArea_ = {0, 0, rc.right, rc.bottom};

    const std::string dblClick = "Double click on a file to view it in text form.";
    CreateListPage(*TabSheet1, "Windows Files", FileListBox3, true, Memo1,
                   {"This list shows all the files contained in the Windows directory.", dblClick},
                   Button6);
    CreateListPage(*TabSheet2, "System Files", FileListBox4, true, Memo2,
                   {"This list shows all the files in the System directory.", dblClick}, Button7);
    CreateListPage(*TabSheet3, "Zero Length Files", ListBox8, false, Memo3,
                   {"This list shows all the files in the Windows, System and ",
                    "optional directories which are 0 Bytes in length and may ",
                    "be corrupted or may be temp files/configuration files ",
                    "which are not currently being accessed."},
                   Button8);
    CreateListPage(*TabSheet4, "Files Added", ListBox4, false, Memo4,
                   {"This list shows all the files in the ", "Windows, System and optional ",
                    "directories which have been Added ", "since the log was created.",
                    "The file size is rounded and is only ", "intended as a ROUGH ",
                    "GUIDELINE, if an accurate file size ", "is needed, you should use ",
                    "Windows Explorer.", dblClick},
                   Button9);
    CreateListPage(*TabSheet5, "Files Deleted", ListBox2, false, Memo5,
                   {"This list shows all the files which have been ", "Deleted from the ",
                    "Windows, System and optional ", "directories since the log was created."},
                   Button10);
    CreateListPage(*TabSheet6, "Files Changed", ListBox3, false, Memo6,
                   {"This list shows all the files which have been ",
                    "changed in the Windows,  System and ",
                    "optional directories since the log was created.",
                    "The file size is rounded and is only intended as ",
                    "a ROUGH GUIDELINE, if an accurate file ",
                    "size is needed, you should use Windows ",
                    "Explorer to see current file size.  To find the ",
                    "original file size  use the \"View LogFile\" tab.", dblClick},
                   Button11);
    CreateListPage(*TabSheet7, "SharedDLL Files", ListBox1, false, Memo7,
                   {"This list shows the files registered in the SharedDLLs",
                    " section of the registry.", dblClick},
                   Button12);
    CreateListPage(*TabSheet8, "Missing SharedDll Files", ListBox6, false, Memo8,
                   {"This list shows all the files listed in SharedDLLs which are not present and ",
                    "may still be required for applications to run."},
                   Button13);
    CreateLogViewPage();
    CreateProcessPage();
    CreateAboutPage();
    CreateFileBrowserPage();
    CreateOptionalPage();
    CreateAdditionalPage();
    PageControl1.SetActivePage(*TabSheet16);
}

void TForm1::CreateLogViewPage() {
    ui::TabSheet& page = *TabSheet9;
    const int w = pageArea_.w, h = pageArea_.h;
    AddTitle(page, "Log File");
    Memo9.Create(page.Handle(), {10, 40, w - 300, h - 48}, {},
                 {.readOnly = true, .vScroll = true, .hScroll = true, .wordWrap = false});
    Memo10.Create(page.Handle(), {w - 280, 40, 270, 100},
                  {"The Log File holds all the filenames ", "and file sizes for the windows and ",
                   "system files as well as files in optional ", "directories recorded when the ",
                   "logfile was created/updated."},
                  {.readOnly = true});
    Button4.Create(page.Handle(), {w - 280, h - 75, 130, 25}, "Refresh");
    Button14.Create(page.Handle(), {w - 280, h - 40, 130, 25}, "Generate Report");
}

void TForm1::CreateProcessPage() {
    ui::TabSheet& page = *TabSheet10;
    AddTitle(page, "Process List");
    ListBox7.Create(page.Handle(), {10, 40, 765, 209}, {.tabStops = true});
    Button15.Create(page.Handle(), {10, 256, 130, 25}, "Generate Report");
}

void TForm1::CreateAboutPage() {
    ui::TabSheet& page = *TabSheet11;
    AddTitle(page, "About Zarvik v1.1");
    Memo12.Create(page.Handle(), {10, 40, pageArea_.w - 20, pageArea_.h - 48}, kAboutHelp,
                  {.readOnly = true, .vScroll = true});
}

void TForm1::CreateFileBrowserPage() {
    ui::TabSheet& page = *TabSheet12;
    const int h = pageArea_.h;
    AddTitle(page, "File Browser", &Label12);
    FileListBox1.Create(page.Handle(), {10, 40, 325, h - 85});
    DriveLabel.Create(page.Handle(), {345, 40, 60, 14}, "Drive");
    DriveComboBox1.Create(page.Handle(), {345, 56, 200, 21});
    DirectoryListBox2.Create(page.Handle(), {345, 82, 200, h - 127});
    FilterLabel.Create(page.Handle(), {555, 40, 60, 14}, "Filter");
    FilterComboBox1.Create(page.Handle(), {555, 56, 215, 21},
                           {{"All files (*.*)", "*.*"},
                            {"COM", "*.com"},
                            {"SYS", "*.sys"},
                            {"BAT", "*.bat"},
                            {"VXD", "*.vxd"},
                            {"INI", "*.ini"},
                            {"TMP", "*.tmp"},
                            {"EXE", "*.exe"},
                            {"DLL", "*.dll"}});
    Edit3.Create(page.Handle(), {555, 86, 120, 21}, "*.*");
    Edit3Label.Create(page.Handle(), {680, 89, 80, 14}, "<---Filter");
    Memo13.Create(page.Handle(), {555, 116, 215, 80},
                  {"Use this screen to quickly browse the contents of  directories on drives.",
                   "Double click on a file to view it in text form."},
                  {.readOnly = true});
    Button17.Create(page.Handle(), {555, 206, 130, 25}, "Generate Report");
    struct Quick {
        ui::Button& button;
        const char* caption;
    };
    Quick quick[] = {{Button26, "COM"}, {Button25, "SYS"}, {Button24, "BAT"}, {Button23, "LOG"},
                     {Button22, "VXD"}, {Button21, "INI"}, {Button20, "TMP"}, {Button19, "EXE"},
                     {Button18, "DLL"}, {Button27, "*.*"}};
    int x = 10;
    for (Quick& q : quick) {
        q.button.Create(page.Handle(), {x, h - 38, 44, 25}, q.caption);
        x += 48;
    }
}

void TForm1::CreateOptionalPage() {
    ui::TabSheet& page = *TabSheet13;
    const int h = pageArea_.h;
    AddTitle(page, "Optional Directories");
    ListBox11.Create(page.Handle(), {10, 40, 330, h - 48}, {.hScroll = true});
    Button1.Create(page.Handle(), {350, 40, 130, 25}, "<----Add Dir <----");
    Button2.Create(page.Handle(), {350, 72, 130, 25}, "Remove Dir");
    Button3.Create(page.Handle(), {350, 104, 130, 25}, "Clear All");
    Button5.Create(page.Handle(), {350, 136, 130, 25}, "Commit");
    Button33.Create(page.Handle(), {350, h - 40, 130, 25}, "Generate Report");
    Edit1.Create(page.Handle(), {490, 40, 285, 21}, "", ES_READONLY);
    DirectoryListBox1.Create(page.Handle(), {490, 66, 285, h - 180});
    Memo14.Create(page.Handle(), {490, h - 108, 285, 100},
                  {"Use this screen to select other directories to log.",
                   "This should be done before building the File List.  Once files are "
                   "selected, click on the  ",
                   "Commit Button and all previous optional file entries will be removed and "
                   "the file list section for ",
                   "Optional Files will be rebuilt."},
                  {.readOnly = true, .vScroll = true});
}

void TForm1::CreateAdditionalPage() {
    ui::TabSheet& page = *TabSheet16;
    const int w = pageArea_.w, h = pageArea_.h;
    titles_.push_back(std::make_unique<ui::Label>());
    titles_.back()->Create(page.Handle(), {10, 8, 200, 16}, "Win.ini", {.bold = true});
    Memo21.Create(page.Handle(), {10, 26, 370, h - 68}, {"Win.ini could not be loaded"},
                  {.vScroll = true, .hScroll = true, .wordWrap = false});
    Button53.Create(page.Handle(), {10, h - 36, 100, 25}, "Save");
    Button53.SetEnabled(false);
    titles_.push_back(std::make_unique<ui::Label>());
    titles_.back()->Create(page.Handle(), {390, 8, 300, 16}, "CurrentControlSet\\Services",
                           {.bold = true});
    ListBox9.Create(page.Handle(), {390, 26, w - 400, h - 68}, {.hScroll = true});
    Button55.Create(page.Handle(), {390, h - 36, 130, 25}, "Generate Report");
}

void TForm1::WireEvents() {
    SpeedButton1.OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2.OnClick = [this] { SpeedButton2Click(); };
    SpeedButton3.OnClick = [this] { SpeedButton3Click(); };
    SpeedButton4.OnClick = [this] { SpeedButton4Click(); };
    SpeedButton5.OnClick = [this] { SpeedButton5Click(); };
    SpeedButton6.OnClick = [this] { SpeedButton6Click(); };
    SpeedButton7.OnClick = [this] { SpeedButton7Click(); };
    SpeedButton8.OnClick = [this] { SpeedButton8Click(); };
    SpeedButton10.OnClick = [this] { SpeedButton10Click(); };
    SpeedButton11.OnClick = [this] { SpeedButton11Click(); };
    StatusBar1.OnDblClick = [this] { StatusBar1DblClick(); };

    Button1.OnClick = [this] { Button1Click(); };
    Button2.OnClick = [this] { Button2Click(); };
    Button3.OnClick = [this] { Button3Click(); };
    Button4.OnClick = [this] { Button4Click(); };
    Button5.OnClick = [this] { Button5Click(); };
    DirectoryListBox1.OnChange = [this] { DirectoryListBox1Change(); };

    Button6.OnClick = [this] { Button6Click(); };
    Button7.OnClick = [this] { Button7Click(); };
    Button8.OnClick = [this] { Button8Click(); };
    Button9.OnClick = [this] { Button9Click(); };
    Button10.OnClick = [this] { Button10Click(); };
    Button11.OnClick = [this] { Button11Click(); };
    Button12.OnClick = [this] { Button12Click(); };
    Button13.OnClick = [this] { Button13Click(); };
    Button14.OnClick = [this] { Button14Click(); };
    Button17.OnClick = [this] { Button17Click(); };
    Button33.OnClick = [this] { Button33Click(); };

    Edit3.OnChange = [this] { Edit3Change(); };
    Button18.OnClick = [this] { Button18Click(); };
    Button19.OnClick = [this] { Button19Click(); };
    Button20.OnClick = [this] { Button20Click(); };
    Button21.OnClick = [this] { Button21Click(); };
    Button22.OnClick = [this] { Button22Click(); };
    Button23.OnClick = [this] { Button23Click(); };
    Button24.OnClick = [this] { Button24Click(); };
    Button25.OnClick = [this] { Button25Click(); };
    Button26.OnClick = [this] { Button26Click(); };
    Button27.OnClick = [this] { Button27Click(); };
    DirectoryListBox2.OnChange = [this] { DirectoryListBox2Change(); };
    DriveComboBox1.OnChange = [this] { DriveComboBox1Change(); };
    FilterComboBox1.OnChange = [this] { FilterComboBox1Change(); };
}

// --- Start-up ---------------------------------------------------------------

void TForm1::FormCreate() {
    Label14.Hide();

    // MAX_PATH buffers, not the 29 characters of old.
    app_.WindowsPath = app_.Paths().WindowsDirectory() + "\\";
    app_.SystemPath = app_.Paths().SystemDirectory() + "\\";
    app_.LogFileName = app_.WindowsPath + "Zarvik.ini";

    PrepareLogFile();
    ChooseLogFile();
    LoadWinIni();

    try {
        Memo9.SetLines(ReadTextLines(app_.LogFileName));
    } catch (const std::exception& e) {
        // An external list that cannot be read: say so and work on this
        // machine's own log, so no command ever runs without a store.
        app_.ShowError(e.what());
        app_.LogFileName = app_.WindowsPath + "Zarvik.ini";
        SetExternalListMode(false);
        try {
            ReloadLogView();
        } catch (const std::exception& again) {
            app_.ShowError(again.what());
        }
    }

    app_.OpenLogFile(app_.LogFileName);

    FileListBox3.SetDirectory(app_.WindowsPath);
    FileListBox4.SetDirectory(app_.SystemPath);
    FileListBox1.SetDirectory("C:\\");
    FileListBox1.SetMask(Edit3.Text());
    DirectoryListBox1.SetDirectory("C:\\");
    Edit1.SetText(DirectoryListBox1.Directory());
    DirectoryListBox2.SetDirectory("C:\\");
    DriveComboBox1.SetDrive('C');
    SpeedButton6.SetEnabled(false);
}

void TForm1::PrepareLogFile() {
    const std::string& path = app_.LogFileName;
    // Create it if missing without touching an existing one, then make sure
    // it is writable. A failure shows when the log is read.
    ui::FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    file.Reset();
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        ::SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
}

void TForm1::ChooseLogFile() {
    if (!app_.Dialogs().Ask(Handle(), "Do you wish to Open an External List File",
                            kProductTitle))
        return;
    FileDialogOptions options;
    options.filter = "Ini File|*.ini";
    if (auto chosen = app_.Dialogs().OpenFile(Handle(), options)) {
        app_.LogFileName = *chosen;
        SetExternalListMode(true);
    }
}

void TForm1::SetExternalListMode(bool external) {
    app_.ExternalList = external;
    // The commands that write the log file.
    for (ui::Window* w : std::initializer_list<ui::Window*>{&SpeedButton1, &SpeedButton5,
                                                           &SpeedButton7, &Button5})
        w->SetEnabled(!external);
}

void TForm1::LoadWinIni() {
    const std::string path = app_.WindowsPath + "win.ini";
    if (!FilePresent(path)) return;
    Memo21.SetLines(ReadTextLines(path));
    Button53.SetEnabled(true);
}

void TForm1::ReloadLogView() { Memo9.SetLines(ReadTextLines(app_.LogFileName)); }

// --- Toolbar commands of the frame --------------------------------------------

void TForm1::SpeedButton3Click() {
    if (app_.Dialogs().Ask(Handle(), "Do you really want to Exit Zarvik", kProductTitle))
        Close();
}

void TForm1::SpeedButton4Click() {
    app_.Dialogs().Tell(Handle(), kAboutText,
                        std::string(kProductTitle) + "  -  written by the Zarvik developers");
}

void TForm1::SpeedButton8Click() { app_.Form6().ShowModeless(); }

void TForm1::SpeedButton10Click() { app_.Form9().ShowModeless(); }

void TForm1::SpeedButton11Click() { app_.Form2().ShowModeless(); }

void TForm1::StatusBar1DblClick() { Button1Click(); }

void TForm1::BeginProcessing() {
    Label14.Show();
    Label14.Repaint();
}

void TForm1::EndProcessing() { Label14.Hide(); }

void TForm1::SetStatus(const std::string& text) { StatusBar1.SetSimpleText(text); }

}  // namespace zarvik
