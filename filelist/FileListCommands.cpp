// The toolbar's file list commands: Build, Clear and Export.
#include <string>
#include <vector>

#include "app/Application.h"
#include "shell/FileProbe.h"
#include "app/MainForm.h"
#include "shell/ProductTexts.h"
#include "filelist/CommandProgress.h"
#include "filelist/ListPages.h"
#include "filelist/LogViewPage.h"
#include "filelist/ResultPages.h"

namespace zarvik {

namespace {

// Measures each listed file of one directory into its log section; empty
// files go to Zero Length Files instead of the log.
void LogDirectory(CommandProgress& progress, LogStore& log, const ui::FileListBox& list,
                  const std::string& directory, const char* section) {
    progress.LogFiles(log, directory, list.Names(), section, false);
}

}  // namespace

void TForm1::SpeedButton1Click() {
    if (!app_.Dialogs().Ask(Handle(), "Do you wish to Build FileList now", kProductTitle)) return;
    SetStatus("<-----Building FileList----->");
    CommandProgress progress(*this, false);
    ui::FileListBox& windows = Page<WindowsFilesPage>().FileListBox3;
    ui::FileListBox& system = Page<SystemFilesPage>().FileListBox4;
    SystemWow64FilesPage* wow64 = FindPage<SystemWow64FilesPage>();
    ClearChangeLists(*this, progress);
    // The disk as it is now: an installation may have run since start-up.
    windows.Update();
    system.Update();
    if (wow64) wow64->FileListBox5.Update();
    {
        LogStore::Batch batch(app_.LogFile());
        LogDirectory(progress, app_.LogFile(), windows, app_.WindowsPath, "Windows");
        LogDirectory(progress, app_.LogFile(), system, app_.SystemPath, "Windows\\System");
        if (wow64)
            LogDirectory(progress, app_.LogFile(), wow64->FileListBox5, app_.SystemWow64Path,
                         kSystemWow64Section);
    }
    progress.Finish();
    SetStatus("<------FileList Built----->");
    Page<LogViewPage>().ReloadLogView();
}

void TForm1::SpeedButton5Click() {
    if (!app_.Dialogs().Ask(Handle(), "Do you really want to Clear the FileList", kProductTitle))
        return;
    for (const char* section : {"windows", "windows\\system", kSystemWow64Section}) {
        app_.LogFile().EraseSection(section);
        app_.LogFile().EraseSection(TimesSection(section));
    }
    Page<LogViewPage>().ReloadLogView();
}

void TForm1::SpeedButton7Click() {
    FileDialogOptions options;
    options.filter = "Ini File|*.ini";
    // The text as last loaded into the view, not a fresh read of the log.
    const auto file = app_.Dialogs().SaveFile(Handle(), options);
    if (file && WriteTextLines(*file, Page<LogViewPage>().ViewLines()) == WriteMethod::InPlace)
        app_.Dialogs().Tell(Handle(), InPlaceWriteText(*file), kProductTitle);
}

}  // namespace zarvik
