// Start-up and the main window, driven through the real windows.
#include <initializer_list>
#include <stdexcept>

#include "display/Display.h"
#include "gui/support/Harness.h"
#include "inspect/Unit5.h"
#include "report/Compare.h"
#include "report/Unit2.h"
#include "system/View.h"
#include "ui/Form.h"

using namespace testing_support;

namespace {

class Startup : public ProgramTest {};

TEST_F(Startup, NormalModeCreatesAMissingLogAsAnEmptyFile) {
    ASSERT_FALSE(Exists(LogPath()));
    Start();
    ASSERT_TRUE(Exists(LogPath()));
    EXPECT_EQ(ReadFile(LogPath()), "");
    EXPECT_EQ(App().CurrentSession().LogFileName(), LogPath());
    EXPECT_EQ(App().CurrentSession().WindowsPath(), WindowsDir() + "\\");
    EXPECT_EQ(App().CurrentSession().SystemPath(), SystemDir() + "\\");
    EXPECT_FALSE(App().CurrentSession().ExternalList());
    EXPECT_EQ(prompts.Questions(),
              std::vector<std::string>{"Do you wish to Open an External List File"});
    EXPECT_EQ(prompts.asked.front().title, "Zarvik v1.1");
}

TEST_F(Startup, EveryControlLiesInsideItsPage) {
    Start();
    for (int i = 0; i < Main().PageControl1.PageCount(); ++i)
        for (HWND c = ::GetWindow(Main().PageControl1.Page(i).Handle(), GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
            const ui::Rect r = ui::Window::FromHandle(c)->Bounds(), area = Main().PageControl1.Page(i).ClientArea();
            EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.w <= area.w && r.y + r.h <= area.h)
                << ui::Window::FromHandle(c)->Text() << " on " << Main().PageControl1.Page(i).Caption();
        }
}

TEST_F(Startup, CancellingTheOpenDialogGivesNormalMode) {
    StartWithExternalList(std::nullopt);
    EXPECT_EQ(App().CurrentSession().LogFileName(), LogPath());
    EXPECT_TRUE(Main().SpeedButton1.Enabled());
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogs[0].filter, "Ini File|*.ini");
}

TEST_F(Startup, AnExistingReadOnlyLogIsKeptAndMadeWritable) {
    WriteFile(LogPath(), "[Windows]\r\nWIN.INI=431\r\n");
    ::SetFileAttributesA(LogPath().c_str(), FILE_ATTRIBUTE_READONLY);
    Start();
    EXPECT_EQ(::GetFileAttributesA(LogPath().c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(ReadFile(LogPath()), "[Windows]\r\nWIN.INI=431\r\n");
    EXPECT_EQ(LogView(),
              (std::vector<std::string>{"[Windows]", "WIN.INI=431"}));
    EXPECT_EQ(App().CurrentSession().LogFile().ReadInteger("windows", "win.ini", 0), 431);
}

TEST_F(Startup, AnExternalListDisablesExactlyTheFourWritingCommands) {
    TempDir other;
    const std::string external = other / "other.ini";
    WriteFile(external, "[Windows]\r\nNOTEPAD.EXE=1000\r\n");
    StartWithExternalList(external);

    EXPECT_TRUE(App().CurrentSession().ExternalList());
    EXPECT_EQ(App().CurrentSession().LogFileName(), external);
    EXPECT_TRUE(Exists(LogPath())) << "the default log is created all the same";
    auto& m = Main();
    auto& optional = On<zarvik::OptionalDirectoriesPage>();
    auto& view = On<zarvik::LogViewPage>();
    EXPECT_FALSE(m.SpeedButton1.Enabled());
    EXPECT_FALSE(m.SpeedButton5.Enabled());
    EXPECT_FALSE(m.SpeedButton7.Enabled());
    EXPECT_FALSE(optional.Button5.Enabled());
    const std::vector<ui::Window*> others = {&m.SpeedButton2,  &m.SpeedButton3, &m.SpeedButton4,
                                             &m.SpeedButton8,  &m.SpeedButton10, &m.SpeedButton11,
                                             &optional.Button1, &optional.Button2, &optional.Button3,
                                             &view.Button4,    &view.Button14};
    for (ui::Window* w : others)
        EXPECT_TRUE(w->Enabled()) << w->Text();
    EXPECT_FALSE(m.SpeedButton6.Enabled()) << "enabled only by the first analysis";
    EXPECT_EQ(LogView(), (std::vector<std::string>{"[Windows]", "NOTEPAD.EXE=1000"}));
    EXPECT_EQ(App().CurrentSession().LogFile().ReadInteger("Windows", "notepad.exe", 0), 1000);
}

TEST_F(Startup, ADefaultLogThatCannotBeReadIsReportedOnce) {
    WriteFile(LogPath(), "[Windows]\r\n");
    // Another program holds it without sharing.
    ui::FileHandle lock(::CreateFileA(LogPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(lock);
    Start();
    ASSERT_EQ(prompts.Errors().size(), 1u);
    EXPECT_NE(prompts.Errors()[0].find(LogPath()), std::string::npos) << prompts.Errors()[0];
}

TEST_F(Startup, AnExternalListThatCannotBeReadFallsBackToTheDefaultLog) {
    const std::string missing = root / "nowhere\\gone.ini";
    StartWithExternalList(missing);
    ASSERT_EQ(prompts.Errors().size(), 1u);
    EXPECT_NE(prompts.Errors()[0].find(missing), std::string::npos) << prompts.Errors()[0];
    EXPECT_NE(prompts.Errors()[0].find("default log " + LogPath()), std::string::npos);
    EXPECT_FALSE(App().CurrentSession().ExternalList());
    EXPECT_EQ(App().CurrentSession().LogFileName(), LogPath());
    EXPECT_TRUE(Main().SpeedButton1.Enabled());
    EXPECT_TRUE(On<zarvik::OptionalDirectoriesPage>().Button5.Enabled());
    App().CurrentSession().LogFile().WriteInteger("Windows", "A.DLL", 5);
    EXPECT_EQ(ReadFile(LogPath()), "[Windows]\r\nA.DLL=5\r\n");
}

TEST_F(Startup, WithoutWinIniTheEditorKeepsItsTextAndSaveIsDisabled) {
    Start();
    EXPECT_EQ(On<zarvik::AdditionalPage>().Memo21.Lines(),
              std::vector<std::string>{"Win.ini could not be loaded"});
    EXPECT_FALSE(On<zarvik::AdditionalPage>().Button53.Enabled());
}

TEST_F(Startup, WinIniIsLoadedIntoTheEditor) {
    WriteFile(WindowsDir() + "\\win.ini", "[windows]\r\nload=\r\n");
    Start();
    EXPECT_EQ(On<zarvik::AdditionalPage>().Memo21.Lines(),
              (std::vector<std::string>{"[windows]", "load="}));
    EXPECT_TRUE(On<zarvik::AdditionalPage>().Button53.Enabled());
}

TEST_F(Startup, OpensOnAdditionalWithProcessingHiddenAndABlankStatusLine) {
    WriteFile(WindowsDir() + "\\b.txt", "b");
    WriteFile(WindowsDir() + "\\A.txt", "a");
    Start();
    auto& m = Main();
    EXPECT_EQ(m.PageControl1.ActivePage().Caption(), "Additional");
    EXPECT_TRUE(On<zarvik::AdditionalPage>().Sheet().Visible());
    EXPECT_FALSE(On<zarvik::WindowsFilesPage>().Sheet().Visible());
    EXPECT_FALSE(m.Label14.Visible());
    EXPECT_EQ(m.Label14.Text(), "Processing, Please Wait");
    EXPECT_EQ(m.StatusBar1.SimpleText(), "");
    EXPECT_EQ(m.PageControl1.PageCount(), 16);
    auto& browser = On<zarvik::FileBrowserPage>();
    EXPECT_EQ(browser.Sheet().Text(), "File Browser");
    EXPECT_EQ(::GetParent(browser.FileListBox1.Handle()), browser.Sheet().Handle());
    EXPECT_EQ(On<zarvik::WindowsFilesPage>().FileListBox3.Items(),
              (std::vector<std::string>{"A.txt", "b.txt", "Zarvik.ini"}));
    EXPECT_EQ(On<zarvik::ZeroLengthFilesPage>().ListBox8.Items(),
              std::vector<std::string>{zarvik::kNoItemsYet});
    EXPECT_EQ(m.SpeedButton1.Text(), "Build FileList");
    EXPECT_EQ(browser.Edit3.Text(), "*.*");
    EXPECT_EQ(On<zarvik::OptionalDirectoriesPage>().DirectoryListBox1.Directory(), "C:\\");
    EXPECT_EQ(On<zarvik::OptionalDirectoriesPage>().Edit1.Text(), "C:\\");

    RECT rc{};
    ::GetClientRect(m.Handle(), &rc);
    EXPECT_EQ(rc.right, 791);
    EXPECT_EQ(rc.bottom, 483);
    const LONG style = ::GetWindowLongA(m.Handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_EQ(m.Text(), std::string(86, ' ') + "Zarvik v1.1");
}

TEST_F(Startup, OtherWindowsAreCreatedHiddenAndShownModeless) {
    Start();
    // Looked up through the program, not by title: other test programs on
    // the same desktop have windows of the same titles.
    HWND reporting = App().Form2().Handle();
    EXPECT_EQ(App().Form2().Text(), "Zarvik Reporting Tool");
    auto& a = App();
    for (ui::Form* form : std::initializer_list<ui::Form*>{&a.Form2(), &a.Form3(), &a.Form4(),
                                                           &a.Form5(), &a.Form6(), &a.Form7(),
                                                           &a.Form9()})
        EXPECT_FALSE(::IsWindowVisible(form->Handle())) << form->Text();
    Click(Main().SpeedButton11);
    EXPECT_TRUE(::IsWindowVisible(reporting));
    Click(Main().SpeedButton10);
    EXPECT_TRUE(App().Form9().Visible());
    EXPECT_EQ(App().Form9().Text(), std::string(99, ' ') + "Compare Reports");
    Click(Main().SpeedButton8);
    EXPECT_TRUE(App().Form6().Visible());
    EXPECT_EQ(App().Form6().Text(), "Display settings ");
    EXPECT_FALSE(App().Form3().Visible());
    EXPECT_EQ(App().Form3().Text(), "Find Text");
}

TEST_F(Startup, QuitAnsweredNoKeepsRunningAndYesCloses) {
    Start();
    prompts.answers = {false};
    Click(Main().SpeedButton3);
    EXPECT_TRUE(::IsWindow(Main().Handle()));
    EXPECT_EQ(prompts.Questions().back(), "Do you really want to Exit Zarvik");

    HWND main = Main().Handle();
    prompts.answers = {true};
    Click(Main().SpeedButton3);
    EXPECT_FALSE(::IsWindow(main));
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the loop ends";
}

TEST_F(Startup, AboutShowsTheProductText) {
    Start();
    Click(Main().SpeedButton4);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].rfind("Zarvik builds a list of system files", 0), 0u);
    EXPECT_EQ(prompts.asked.back().title.rfind("Zarvik v1.1", 0), 0u);
}

TEST_F(Startup, AnErrorInACommandIsShownAndTheProgramGoesOn) {
    Start();
    On<zarvik::LogViewPage>().Button4.OnClick = [] {
        throw std::runtime_error("Unable to write to C:\\x.ini");
    };
    Click(On<zarvik::LogViewPage>().Button4);
    EXPECT_EQ(prompts.Errors(), std::vector<std::string>{"Unable to write to C:\\x.ini"});
    EXPECT_EQ(prompts.asked.back().title, "Zarvik v1.1");
    Click(Main().SpeedButton4);
    EXPECT_EQ(prompts.Messages().size(), 1u);
}

}  // namespace
