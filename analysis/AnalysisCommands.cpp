// Analyze FileList and the Shared DLL check.
#include <string>
#include <vector>

#include "analysis/ChangeRules.h"
#include "app/Application.h"
#include "app/FileProbe.h"
#include "app/MainForm.h"
#include "filelist/CommandProgress.h"

namespace zarvik {

namespace {

// Measures the listed files of one directory against one log section.
void CompareDirectory(TForm1& form, CommandProgress& progress, const std::vector<std::string>& names,
                      const std::string& directory, const std::string& section, bool keyIsPath) {
    LogStore& log = form.App().LogFile();
    for (const std::string& name : names) {
        const std::string path = directory + name;
        progress.Status(path);
        const int32_t size = ProbeFileSize(path);
        const int32_t logged = log.ReadInteger(section, keyIsPath ? path : name, 0);
        const Verdict verdict = Compare(size, logged);
        if (verdict.zeroLength) progress.Append(form.ListBox8, path);
        if (verdict.changed) progress.Append(form.ListBox3, SizedEntry(path, form.SizeText(size)));
        if (verdict.added) progress.Append(form.ListBox4, SizedEntry(path, form.SizeText(size)));
    }
}

// Every logged name that cannot be opened now is deleted, however many keys
// the section has.
void FindDeleted(TForm1& form, CommandProgress& progress, const std::string& section,
                 const std::string& prefix) {
    const std::vector<std::string> keys = form.App().LogFile().ReadSectionKeys(section);
    form.ListBox5.SetItems(keys);
    for (const std::string& key : keys) {
        const std::string path = prefix + key;
        progress.Status(path);
        if (!FilePresent(path)) progress.Append(form.ListBox2, path);
    }
}

}  // namespace

std::string TForm1::SizeText(int32_t bytes) {
    // The separator is read for every entry, so a change in the regional
    // settings shows at once (the up-down control caches it under Wine).
    char separator[8] = ",";
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, sizeof separator) <= 0)
        lstrcpyA(separator, ",");
    return GroupThousands(SizeInK(bytes), separator);
}

void TForm1::SpeedButton2Click() {
    CommandProgress progress(*this, true);
    progress.Clear(ListBox3);
    progress.Clear(ListBox4);
    progress.Clear(ListBox2);
    progress.Clear(ListBox8);
    progress.Clear(ListBox6);
    SpeedButton6.SetEnabled(true);

    progress_ = &progress;
    struct Detach {
        CommandProgress*& slot;
        ~Detach() { slot = nullptr; }
    } detach{progress_};
    CheckSharedDlls();

    // Held open for the whole comparison: one log lookup per file then costs
    // no path lookup of its own.
    LogStore::Batch batch(app_.LogFile());

    CompareDirectory(*this, progress, FileListBox3.Names(), app_.WindowsPath, "Windows", false);
    CompareDirectory(*this, progress, FileListBox4.Names(), app_.SystemPath, "Windows\\System",
                     false);
    FindDeleted(*this, progress, "Windows", app_.WindowsPath);
    FindDeleted(*this, progress, "Windows\\System", app_.SystemPath);

    std::vector<std::string> unenterable;
    LogStore& log = app_.LogFile();
    const int count = log.ReadInteger("Optional", "Count", 0);
    for (int i = 0; i < count; ++i) {
        const std::string index = std::to_string(i);
        const std::string section = "Dir" + index;
        // The keys are full paths; a directory that has gone lists them all.
        FindDeleted(*this, progress, section, "");
        const std::string directory = log.ReadString("Optional", "Directory" + index, "");
        // A damaged entry names no directory: nothing to compare its keys with.
        if (directory.empty()) continue;
        if (!FileListBox1.ChangeDirectory(directory, "*.*")) {
            unenterable.push_back(directory);
            continue;
        }
        progress.BrowserMoved();
        CompareDirectory(*this, progress, FileListBox1.Names(), FileListBox1.Directory() + "\\",
                         section, true);
    }

    progress.Finish();
    SetStatus("<------FileList Analyzed----->");
    if (!unenterable.empty()) {
        std::string text = "These optional directories could not be entered; their logged files "
                           "are listed as deleted:";
        for (const std::string& d : unenterable) text += "\r\n" + d;
        app_.Dialogs().Tell(Handle(), text, kProductTitle);
    }
}

void TForm1::CheckSharedDlls() {
    RegistryAccessor& registry = app_.Registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    // Any level missing or refused: nothing is listed, never a parent's values.
    bool opened = true;
    for (const char* level : {"SOFTWARE", "Microsoft", "Windows", "CurrentVersion", "SharedDlls"}) {
        if (!registry.OpenKey(level)) {
            opened = false;
            break;
        }
    }
    const std::vector<std::string> names = opened ? registry.ValueNames() : std::vector<std::string>{};
    registry.CloseKey();
    ListBox1.SetItems(names);
    for (const std::string& name : names) {
        if (progress_) {
            progress_->Status(name);
        } else {
            SetStatus(name);
        }
        if (FilePresent(name)) continue;
        if (progress_) {
            progress_->Append(ListBox6, name);
        } else {
            ListBox6.Add(name);
        }
    }
}

}  // namespace zarvik
