// Analyze FileList and the Shared DLL check.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/ChangeRules.h"
#include "analysis/SharedDllPages.h"
#include "app/Application.h"
#include "shell/FileProbe.h"
#include "app/MainForm.h"
#include "filelist/CommandProgress.h"
#include "filelist/ListPages.h"
#include "filelist/OptionalDirectoriesPage.h"
#include "filelist/ResultPages.h"
#include "inspect/FileBrowserPage.h"

namespace zarvik {

namespace {

// A size in K as the result lists show it. The separator is read for every
// entry, so a change in the regional settings shows at once.
std::string SizeText(int64_t bytes) {
    char separator[8] = ",";
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, sizeof separator) <= 0)
        lstrcpyA(separator, ",");
    return GroupThousands(SizeInK(bytes), separator);
}

class Analysis {
public:
    Analysis(TForm1& form, CommandProgress& progress)
        : form_(form),
          progress_(progress),
          log_(form.App().LogFile()),
          added_(form.Page<FilesAddedPage>().ListBox4),
          deleted_(form.Page<FilesDeletedPage>().ListBox2),
          changed_(form.Page<FilesChangedPage>().ListBox3) {}

    // Measures the listed files of one directory against one log section.
    void CompareDirectory(const std::string& prefix, const std::vector<std::string>& names,
                          const std::string& section, bool keyIsPath) {
        const std::string times = TimesSection(section);
        const bool fat = ui::OnFatVolume(prefix);
        progress_.MeasureFiles(prefix, names, [&](const std::string& path, const std::string& name,
                                                  const ui::FileFacts& file) {
            const std::string& key = keyIsPath ? path : name;
            const int64_t logged = log_.ReadInteger(section, key, 0);
            const Verdict verdict = Compare(file.size, logged);
            if (verdict.changed) progress_.Append(changed_, SizedEntry(path, SizeText(file.size)));
            if (verdict.added) progress_.Append(added_, SizedEntry(path, SizeText(file.size)));
            // The same size: replaced all the same when its time moved.
            if (logged > 0 && file.size == logged) {
                const TimeChange moved = CompareTimes(file.writeTime, log_.ReadInteger(times, key, 0), fat);
                if (moved != TimeChange::None)
                    progress_.Append(changed_, SizedEntry(path, SizeText(file.size)).append(TimeMark(moved)));
            }
        });
    }

    // Every logged name that cannot be opened now is deleted, however many
    // keys the section has.
    void FindDeleted(const std::string& section, const std::string& prefix) {
        const std::vector<std::string> keys = log_.ReadSectionKeys(section);
        form_.ListBox5.SetItems(keys);
        for (const std::string& key : keys) {
            const std::string path = prefix + key;
            progress_.Status(path);
            if (!FilePresent(path)) progress_.Append(deleted_, path);
        }
    }

    void CheckSharedDlls() {
        const std::vector<SharedDll> dlls = ReadSharedDlls(form_.App().Registry);
        form_.Page<SharedDllFilesPage>().List(dlls);
        ui::ListBox& missing = form_.Page<MissingSharedDllFilesPage>().ListBox6;
        for (const SharedDll& dll : dlls) {
            progress_.Status(dll.entry);
            if (!FilePresent(dll.file)) progress_.Append(missing, dll.entry);
        }
    }

private:
    TForm1& form_;
    CommandProgress& progress_;
    LogStore& log_;
    ui::ListBox& added_;
    ui::ListBox& deleted_;
    ui::ListBox& changed_;
};

}  // namespace

void TForm1::SpeedButton2Click() {
    CommandProgress progress(*this, true);
    Analysis analysis(*this, progress);
    ui::FileListBox& windows = Page<WindowsFilesPage>().FileListBox3;
    ui::FileListBox& system = Page<SystemFilesPage>().FileListBox4;
    ClearChangeLists(*this, progress);
    progress.Clear(Page<MissingSharedDllFilesPage>().ListBox6);
    SpeedButton6.SetEnabled(true);
    analysis.CheckSharedDlls();

    // Held open for the whole comparison: one log lookup per file then costs
    // no path lookup of its own.
    LogStore& log = app_.LogFile();
    LogStore::Batch batch(log);

    // The disk as it is now: what an installation added since start-up must
    // be listed as added.
    windows.Update();
    system.Update();
    // A log made on 32-bit Windows, or before the 32-bit System directory
    // was logged, has no record of it: its files are not all new.
    SystemWow64FilesPage* wow64 = FindPage<SystemWow64FilesPage>();
    if (wow64 && log.ReadSectionKeys(kSystemWow64Section).empty()) wow64 = nullptr;
    if (wow64) wow64->FileListBox5.Update();
    analysis.CompareDirectory(app_.WindowsPath, windows.Names(), "Windows", false);
    analysis.CompareDirectory(app_.SystemPath, system.Names(), "Windows\\System", false);
    if (wow64)
        analysis.CompareDirectory(app_.SystemWow64Path, wow64->FileListBox5.Names(),
                                  kSystemWow64Section, false);
    analysis.FindDeleted("Windows", app_.WindowsPath);
    analysis.FindDeleted("Windows\\System", app_.SystemPath);
    if (wow64) analysis.FindDeleted(kSystemWow64Section, app_.SystemWow64Path);

    const ui::FileListBox& browser = Page<FileBrowserPage>().FileListBox1;
    const int count = static_cast<int>(
        std::min<int64_t>(log.ReadInteger("Optional", "Count", 0), OptionalIndexesInUse(log)));
    for (int i = 0; i < count; ++i) {
        const std::string index = std::to_string(i);
        const std::string section = "Dir" + index;
        // The keys are full paths; a directory that has gone lists them all.
        analysis.FindDeleted(section, "");
        const std::string directory = log.ReadString("Optional", "Directory" + index, "");
        // A damaged entry names no directory: nothing to compare its keys with.
        if (directory.empty() || !progress.EnterDirectory(directory)) continue;
        analysis.CompareDirectory(browser.Directory() + "\\", browser.Names(), section, true);
    }

    progress.Finish();
    SetStatus("<------FileList Analyzed----->");
    progress.TellUnentered("; their logged files are listed as deleted");
}

}  // namespace zarvik
