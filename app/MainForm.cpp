#include "app/MainForm.h"

#include <utility>

#include "analysis/AnalysisCommands.h"
#include "analysis/SharedDllPages.h"
#include "app/AboutPage.h"
#include "app/Application.h"
#include "dde/DdePage.h"
#include "display/Display.h"
#include "filelist/FileListCommands.h"
#include "filelist/ListPages.h"
#include "filelist/LogViewPage.h"
#include "filelist/OptionalDirectoriesPage.h"
#include "filelist/ResultPages.h"
#include "inspect/FileBrowserPage.h"
#include "platform/FileIO.h"
#include "report/Compare.h"
#include "report/Unit2.h"
#include "system/AdditionalPage.h"
#include "system/ProcessListPage.h"
#include "system/RegistryPage.h"
#include "system/View.h"
#include "shell/ProductTexts.h"
#include "ui/Glyphs.h"
#include "ui/Handles.h"

namespace zarvik {

namespace {

constexpr int kClientWidth = 791;
constexpr int kClientHeight = 483;
constexpr int kToolbarHeight = 41;

const char* const kAboutText =
    "Zarvik builds a list of system files and allows them to be automatically analyzed finding "
    "files that have been altered to assist in locating the source of problems relating to files "
    "that have been altered by installations/upgrades";

// The place of the i-th picture button of the toolbar.
ui::Rect Tool(int i) { return {6 + 27 * i, 7, 25, 25}; }

}  // namespace

TForm1::TForm1(Application& app)
    : app_(app),
      context_{app.CurrentSession(), app.Dialogs(), app.Reports(), app.Viewer(), *this, *this} {}

TForm1::~TForm1() = default;

void TForm1::Create() {
    CreateForm(ui::CentredCaption(86, kProductTitle),
               {.clientWidth = kClientWidth,
                .clientHeight = kClientHeight,
                .hideOnClose = false,
                .quitOnDestroy = true,
                .minimizesOwner = true},
               app_.TaskbarWindow());
    ui::Lay(*this, *this, {{Panel3, {0, 0, kClientWidth, kToolbarHeight}, "", true}});
    Hints.Create(Handle());
    using F = TForm1;
    ui::Lay(*this, Panel3,
            {
                {SpeedButton1, Tool(0), "Build FileList", ui::glyphs::Build(), &F::SpeedButton1Click},
                {SpeedButton2, Tool(1), "Analyze FileList", ui::glyphs::Analyze(), &F::SpeedButton2Click},
                {SpeedButton5, Tool(2), "Clear FileList", ui::glyphs::Clear(), &F::SpeedButton5Click},
                {SpeedButton6, Tool(3), "Generate Change Report", ui::glyphs::Report(), &F::SpeedButton6Click},
                {SpeedButton12, Tool(4), "Export Results", ui::glyphs::Table(), &F::SpeedButton12Click},
                {SpeedButton4, Tool(5), "About Zarvik v1.1", ui::glyphs::About(), &F::SpeedButton4Click},
                {SpeedButton7, Tool(6), "Export FileList", ui::glyphs::Export(), &F::SpeedButton7Click},
                {SpeedButton11, Tool(7), "Display Zarvik Reporting Tool", ui::glyphs::Tool(),
                 &F::SpeedButton11Click},
                {SpeedButton10, Tool(8), "Compare Reports", ui::glyphs::Compare(), &F::SpeedButton10Click},
                {SpeedButton8, Tool(9), "Display Settings", ui::glyphs::Display(), &F::SpeedButton8Click},
                {SpeedButton3, Tool(10), "Quit Zarvik v1.1", ui::glyphs::Quit(), &F::SpeedButton3Click},
                {Label14, {420, 7, 360, 28}, "Processing, Please Wait",
                 {.color = RGB(255, 0, 0), .height = 24, .bold = true}},
            },
            &Hints);
    ui::Lay(*this, *this, {{StatusBar1, &F::StatusBar1DblClick}});
    const int status = StatusBar1.DesignedBounds().h;
    ui::Lay(*this, *this,
            {
                {ListBox5, {0, kToolbarHeight, 10, 10}},
                {PageControl1,
                 {0, kToolbarHeight, kClientWidth, kClientHeight - kToolbarHeight - status}},
            });
    ListBox5.Hide();
    CreatePages();
    FormCreate();
}

template <class P, class... Links>
void TForm1::AddPage(Links&&... links) {
    pages_.push_back(std::make_unique<P>(context_, PageControl1.AddPage(P::kCaption),
                                         std::forward<Links>(links)...));
}

void TForm1::CreatePages() {
    AddPage<WindowsFilesPage>();
    AddPage<SystemFilesPage>();
    // 32-bit Windows has one System directory, and the notebook its pages.
    if (!app_.Paths().SystemWow64Directory().empty()) AddPage<SystemWow64FilesPage>();
    AddPage<ZeroLengthFilesPage>();
    AddPage<FilesAddedPage>();
    AddPage<FilesDeletedPage>();
    AddPage<FilesChangedPage>();
    AddPage<SharedDllFilesPage>();
    AddPage<MissingSharedDllFilesPage>();
    AddPage<LogViewPage>();
    AddPage<ProcessListPage>([this](HWND window) {
        TForm7& view = app_.Form7();
        view.ShowView();
        if (window) view.Snapshot(window);
    });
    AddPage<AboutPage>();
    AddPage<FileBrowserPage>();
    MakeCommandLists();
    AddPage<OptionalDirectoriesPage>(*lists_, [this] { Page<LogViewPage>().ReloadLogView(); });
    AddPage<RegistryPage>(services_);
    AddPage<DdePage>();
    AddPage<AdditionalPage>(services_, [this] { Page<RegistryPage>().RebuildRegistryLists(); });
    for (const auto& page : pages_) page->Create();
    PageControl1.SetActivePage(Page<AdditionalPage>().Sheet());
}

// The pages' lists the commands work on, so that no command knows a page.
void TForm1::MakeCommandLists() {
    auto* wow64 = FindPage<SystemWow64FilesPage>();
    FileBrowserPage& browser = Page<FileBrowserPage>();
    lists_.emplace(CommandLists{
        .windows = Page<WindowsFilesPage>().FileListBox3,
        .system = Page<SystemFilesPage>().FileListBox4,
        .systemWow64 = wow64 ? &wow64->FileListBox5 : nullptr,
        .zeroLength = Page<ZeroLengthFilesPage>().ListBox8,
        .added = Page<FilesAddedPage>().ListBox4,
        .deleted = Page<FilesDeletedPage>().ListBox2,
        .changed = Page<FilesChangedPage>().ListBox3,
        .browser = browser.FileListBox1,
        .endBrowserScan = [&browser](bool moved) { browser.EndScan(moved); },
        .results = results_,
    });
}

// --- Start-up ---------------------------------------------------------------

void TForm1::FormCreate() {
    Label14.Hide();

    // MAX_PATH buffers, not the 29 characters of old.
    SessionPaths paths;
    paths.windowsPath = app_.Paths().WindowsDirectory() + "\\";
    paths.systemPath = app_.Paths().SystemDirectory() + "\\";
    const std::string wow64 = app_.Paths().SystemWow64Directory();
    paths.systemWow64Path = wow64.empty() ? wow64 : wow64 + "\\";
    paths.logFileName = paths.windowsPath + "Zarvik.ini";

    PrepareLogFile(paths.logFileName);
    ChooseLogFile(paths);
    LoadLogView(paths);
    app_.CurrentSession().Begin(std::move(paths));
    for (const auto& page : pages_) page->Start();
    // Until the first analysis there are no results to report or export.
    SpeedButton6.SetEnabled(false);
    SpeedButton12.SetEnabled(false);
}

void TForm1::PrepareLogFile(const std::string& logFileName) {
    // Create it if missing without touching an existing one, then make sure
    // it is writable. A failure shows when the log is read.
    platform::PrepareWritableFile(logFileName);
}

void TForm1::ChooseLogFile(SessionPaths& paths) {
    if (!app_.Dialogs().Ask(Handle(), "Do you wish to Open an External List File",
                            kProductTitle))
        return;
    FileDialogOptions options;
    options.filter = "Ini File|*.ini";
    if (auto chosen = app_.Dialogs().OpenFile(Handle(), options)) {
        paths.logFileName = *chosen;
        paths.externalList = true;
        SetExternalListMode(true);
    }
}

void TForm1::LoadLogView(SessionPaths& paths) {
    LogViewPage& view = Page<LogViewPage>();
    const std::string ownLog = paths.windowsPath + "Zarvik.ini";
    try {
        view.LoadLogView(paths.logFileName);
        return;
    } catch (const std::exception& e) {
        // This machine's own log was the one that failed: nothing else to
        // try. An external list that failed gives way to it, and the user
        // must know that Build, Clear and Commit now write this machine's log.
        if (!paths.externalList) {
            app_.ShowError(e.what());
            return;
        }
        app_.ShowError(std::string(e.what()) + "\r\n\r\nThe program goes on with the default log " +
                       ownLog);
    }
    // So no command ever runs without a store.
    paths.logFileName = ownLog;
    paths.externalList = false;
    SetExternalListMode(false);
    try {
        view.LoadLogView(paths.logFileName);
    } catch (const std::exception& e) {
        app_.ShowError(e.what());
    }
}

void TForm1::SetExternalListMode(bool external) {
    // The commands that write the log file.
    for (ui::Window* w : std::initializer_list<ui::Window*>{
             &SpeedButton1, &SpeedButton5, &SpeedButton7, &Page<OptionalDirectoriesPage>().Button5})
        w->SetEnabled(!external);
}

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

void TForm1::SpeedButton10Click() { app_.Form9().ShowCompare(); }

void TForm1::SpeedButton11Click() { app_.Form2().ShowModeless(); }

void TForm1::StatusBar1DblClick() { Page<OptionalDirectoriesPage>().Button1Click(); }

void TForm1::BeginProcessing() {
    Label14.Show();
    Label14.Repaint();
}

void TForm1::EndProcessing() { Label14.Hide(); }

void TForm1::SetStatus(const std::string& text) { StatusBar1.SetSimpleText(text); }

void TForm1::PaintStatus(const std::string& text) {
    StatusBar1.SetSimpleText(text);
    ::UpdateWindow(StatusBar1.Handle());
}

// --- Toolbar commands of the subsystems -----------------------------------------

void TForm1::SpeedButton1Click() {
    if (BuildFileList(context_, *lists_)) Page<LogViewPage>().ReloadLogView();
}

void TForm1::SpeedButton5Click() {
    if (ClearFileList(context_)) Page<LogViewPage>().ReloadLogView();
}

void TForm1::SpeedButton7Click() {
    // The text as last loaded into the view, not a fresh read of the log.
    ExportFileList(context_, Page<LogViewPage>().ViewLines());
}

void TForm1::SpeedButton2Click() {
    SpeedButton6.SetEnabled(true);
    SpeedButton12.SetEnabled(true);
    AnalyzeFileList(context_, {*lists_, Page<SharedDllFilesPage>(),
                               Page<MissingSharedDllFilesPage>().ListBox6, ListBox5});
}

void TForm1::SpeedButton6Click() {
    GenerateChangeReport(app_.Form2(), *lists_, Page<MissingSharedDllFilesPage>().ListBox6);
}

void TForm1::SpeedButton12Click() { ExportResults(context_, results_); }

}  // namespace zarvik
