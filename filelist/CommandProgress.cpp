#include "filelist/CommandProgress.h"

#include <windows.h>

#include <utility>

#include "app/Application.h"
#include "shell/FileProbe.h"
#include "app/MainForm.h"
#include "shell/ProductTexts.h"
#include "core/LogStore.h"
#include "filelist/ResultPages.h"
#include "inspect/FileBrowserPage.h"

namespace zarvik {

CommandProgress::CommandProgress(TForm1& form, bool usesBrowser)
    : form_(form),
      zeroLength_(form.Page<ZeroLengthFilesPage>().ListBox8),
      browser_(form.Page<FileBrowserPage>()),
      usesBrowser_(usesBrowser) {
    form_.BeginProcessing();
}

CommandProgress::~CommandProgress() {
    if (finished_) return;
    // Ended by an error: what was reached stays on screen.
    try {
        Release();
    } catch (...) {
        // Putting the browser back failed as well; the first error is the one shown.
    }
}

void CommandProgress::Finish() {
    if (finished_) return;
    finished_ = true;
    Release();
}

void CommandProgress::Release() {
    ShowStatus();
    for (const Watched& w : lists_) {
        ::SendMessageA(w.list->Handle(), WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(w.list->Handle(), nullptr, TRUE);
    }
    lists_.clear();
    form_.EndProcessing();
    if (usesBrowser_) browser_.EndScan(browserMoved_);
}

std::string TimesSection(std::string_view section) { return std::string(section) + " Times"; }

void CommandProgress::LogFiles(LogStore& log, const std::string& prefix,
                               const std::vector<std::string>& names, const std::string& section,
                               bool keyIsPath) {
    std::vector<std::pair<std::string, int64_t>> times;
    MeasureFiles(prefix, names,
                 [&](const std::string& path, const std::string& name, const ui::FileFacts& file) {
                     if (file.size == 0) return;
                     const std::string& key = keyIsPath ? path : name;
                     log.WriteInteger(section, key, file.size);
                     // A file that could not be opened has no time to record.
                     if (file.writeTime != 0) times.emplace_back(key, file.writeTime);
                 });
    const std::string timesSection = TimesSection(section);
    for (const auto& [key, time] : times) log.WriteInteger(timesSection, key, time);
}

void CommandProgress::MeasureFiles(const std::string& prefix, const std::vector<std::string>& names,
                                   const Measured& measured) {
    for (const std::string& name : names) {
        const std::string path = prefix + name;
        Status(path);
        const ui::FileFacts file = ProbeFile(path);
        if (file.size == 0) Append(zeroLength_, path);
        measured(path, name, file);
    }
}

bool CommandProgress::EnterDirectory(const std::string& directory) {
    if (!browser_.FileListBox1.ChangeDirectory(directory, "*.*")) {
        unentered_.push_back(directory);
        return false;
    }
    browserMoved_ = true;
    return true;
}

void CommandProgress::TellUnentered(std::string_view consequence) {
    if (unentered_.empty()) return;
    std::string text = "These optional directories could not be entered";
    text.append(consequence).append(":");
    for (const std::string& d : unentered_) text += "\r\n" + d;
    form_.App().Dialogs().Tell(form_.Handle(), text, kProductTitle);
}

void CommandProgress::Touch(ui::ListBox& list) {
    for (Watched& w : lists_) {
        if (w.list == &list) {
            w.changed = true;
            return;
        }
    }
    ::SendMessageA(list.Handle(), WM_SETREDRAW, FALSE, 0);
    lists_.push_back({&list, true});
}

// The status bar repaints itself on every text (over a millisecond under
// Wine), so the path goes to it only when a repaint is due; the last one
// always does.
void CommandProgress::Status(std::string_view text) {
    status_.assign(text);
    statusShown_ = false;
    Tick();
}

void CommandProgress::ShowStatus() {
    if (statusShown_) return;
    form_.StatusBar1.SetSimpleText(status_);
    statusShown_ = true;
}

void CommandProgress::Clear(ui::ListBox& list) {
    Touch(list);
    list.Clear();
}

void CommandProgress::Append(ui::ListBox& list, std::string_view text) {
    Touch(list);
    list.Add(text);
    Tick();
}

void CommandProgress::Tick() {
    if (pacer_.Due(::GetTickCount())) Paint();
}

// The window is not otherwise repainted while the command runs. Only what
// changed since the last paint is painted again: painting is most of what a
// long command costs beyond its file opens.
void CommandProgress::Paint() {
    for (Watched& w : lists_) {
        if (!w.changed) continue;
        const HWND h = w.list->Handle();
        ::SendMessageA(h, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(h, nullptr, TRUE);
        ::UpdateWindow(h);
        ::SendMessageA(h, WM_SETREDRAW, FALSE, 0);
        w.changed = false;
    }
    if (statusShown_) return;
    ShowStatus();
    ::UpdateWindow(form_.StatusBar1.Handle());
}

}  // namespace zarvik
