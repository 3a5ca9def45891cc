// Build, Clear, Export, the log view and the optional directories.
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/FileProbe.h"
#include "app/MainForm.h"
#include "filelist/CommandProgress.h"

namespace zarvik {

namespace {

// Measures each listed file of one directory into its log section; empty
// files go to Zero Length Files instead of the log.
void LogDirectory(TForm1& form, CommandProgress& progress, const std::vector<std::string>& names,
                  const std::string& directory, const char* section) {
    LogStore& log = form.App().LogFile();
    for (const std::string& name : names) {
        const std::string path = directory + name;
        progress.Status(path);
        const int32_t size = ProbeFileSize(path);
        if (size == 0)
            progress.Append(form.ListBox8, path);
        else
            log.WriteInteger(section, name, size);
    }
}

std::string ListOfDirectories(const std::vector<std::string>& directories) {
    std::string text;
    for (const std::string& d : directories) text += "\r\n" + d;
    return text;
}

}  // namespace

void TForm1::SpeedButton1Click() {
    if (!app_.Dialogs().Ask(Handle(), "Do you wish to Build FileList now", kProductTitle)) return;
    SetStatus("<-----Building FileList----->");
    CommandProgress progress(*this, false);
    progress.Clear(ListBox3);
    progress.Clear(ListBox4);
    progress.Clear(ListBox2);
    progress.Clear(ListBox8);
    {
        LogStore::Batch batch(app_.LogFile());
        LogDirectory(*this, progress, FileListBox3.Names(), app_.WindowsPath, "Windows");
        LogDirectory(*this, progress, FileListBox4.Names(), app_.SystemPath, "Windows\\System");
    }
    progress.Finish();
    SetStatus("<------FileList Built----->");
    ReloadLogView();
}

void TForm1::SpeedButton5Click() {
    if (!app_.Dialogs().Ask(Handle(), "Do you really want to Clear the FileList", kProductTitle))
        return;
    app_.LogFile().EraseSection("windows");
    app_.LogFile().EraseSection("windows\\system");
    ReloadLogView();
}

void TForm1::SpeedButton7Click() {
    FileDialogOptions options;
    options.filter = "Ini File|*.ini";
    // The text as last loaded into the view, not a fresh read of the log.
    if (auto file = app_.Dialogs().SaveFile(Handle(), options)) WriteTextLines(*file, Memo9.Lines());
}

void TForm1::Button4Click() { ReloadLogView(); }

void TForm1::Button1Click() { ListBox11.Add(DirectoryListBox1.Directory()); }

void TForm1::Button2Click() {
    const int selected = ListBox11.ItemIndex();
    if (selected >= 0) ListBox11.Delete(selected);
}

void TForm1::Button3Click() { ListBox11.Clear(); }

void TForm1::Button5Click() {
    CommandProgress progress(*this, true);
    progress_ = &progress;
    unenterable_.clear();
    struct Detach {
        CommandProgress*& slot;
        ~Detach() { slot = nullptr; }
    } detach{progress_};

    LogStore& log = app_.LogFile();
    LogStore::Batch batch(log);
    const int old = log.ReadInteger("Optional", "Count", 0);
    for (int i = 0; i < old; ++i) log.EraseSection("Dir" + std::to_string(i));
    log.EraseSection("Optional");
    const std::vector<std::string> directories = ListBox11.Items();
    const int n = static_cast<int>(directories.size());
    log.WriteString("Optional", "Count", std::to_string(n));
    for (int i = 0; i < n; ++i)
        log.WriteString("Optional", "Directory" + std::to_string(i), directories[static_cast<size_t>(i)]);
    for (int i = 0; i < n; ++i) ScanOptionalDirectory(directories[static_cast<size_t>(i)], i);

    progress.Finish();
    SetStatus("<------FileList Appended----->");
    ReloadLogView();
    if (!unenterable_.empty()) {
        app_.Dialogs().Tell(Handle(),
                            "These optional directories could not be entered and were not "
                            "logged:" + ListOfDirectories(unenterable_),
                            kProductTitle);
    }
}

void TForm1::DirectoryListBox1Change() { Edit1.SetText(DirectoryListBox1.Directory()); }

void TForm1::ScanOptionalDirectory(const std::string& directory, int index) {
    if (!progress_) {
        // Called on its own: it is a long command by itself.
        CommandProgress progress(*this, true);
        progress_ = &progress;
        try {
            ScanOptionalDirectory(directory, index);
        } catch (...) {
            progress_ = nullptr;
            throw;
        }
        progress_ = nullptr;
        progress.Finish();
        return;
    }
    CommandProgress& progress = *progress_;
    // A directory that has gone is skipped; its "Directory" key stays.
    if (!FileListBox1.ChangeDirectory(directory, "*.*")) {
        unenterable_.push_back(directory);
        return;
    }
    progress.BrowserMoved();
    const std::string section = "Dir" + std::to_string(index);
    LogStore& log = app_.LogFile();
    for (const std::string& name : FileListBox1.Names()) {
        const std::string path = directory + "\\" + name;
        progress.Status(path);
        const int32_t size = ProbeFileSize(path);
        if (size == 0)
            progress.Append(ListBox8, path);
        else
            log.WriteInteger(section, path, size);
    }
}

}  // namespace zarvik
