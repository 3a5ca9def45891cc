#pragma once
// What a long command (Build, Commit, Analyze) shows while it runs, and what
// it puts back however it ends: the Processing label, the status line with
// each path, and the result lists filling. Repaints are paced to about 10 a
// second; the lists get every entry at once, the status line each path
// that is current when a repaint is due, and always the last one. It also
// holds the walk over a directory's files that the three commands share.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "filelist/RepaintPacer.h"
#include "ui/Controls.h"
#include "ui/FileNames.h"

namespace zarvik {

class FileBrowserPage;
class LogStore;
class TForm1;

// The section that holds the last-write times of a size section's files:
// "Windows Times" beside "Windows".
std::string TimesSection(std::string_view section);

class CommandProgress {
public:
    // Shows and paints the Processing label. With `usesBrowser` the command
    // may point the File Browser list at other directories, and its mask is
    // set back from Edit3 at the end.
    CommandProgress(TForm1& form, bool usesBrowser);
    // Error or not: the lists are painted whole, the status line keeps the
    // last path, the mask is restored and the label hidden.
    ~CommandProgress();
    CommandProgress(const CommandProgress&) = delete;
    CommandProgress& operator=(const CommandProgress&) = delete;

    void Status(std::string_view text);
    void Clear(ui::ListBox& list);
    void Append(ui::ListBox& list, std::string_view text);

    // The walk over the listed files of one directory: each path (`prefix`
    // and the name) into the status line, its size and time probed, an
    // empty file into Zero Length Files; then `measured` gets every file.
    using Measured = std::function<void(const std::string& path, const std::string& name,
                                        const ui::FileFacts& file)>;
    void MeasureFiles(const std::string& prefix, const std::vector<std::string>& names,
                      const Measured& measured);
    // Build's and Commit's walk: each non-empty file's size into `section`
    // (keyed by its name, or with `keyIsPath` its path), then their times
    // into the times section, so that a new log grows at its end only.
    void LogFiles(LogStore& log, const std::string& prefix, const std::vector<std::string>& names,
                  const std::string& section, bool keyIsPath);

    // Points the File Browser list at an optional directory with the mask
    // "*.*". False, and the directory noted, when it cannot be entered.
    bool EnterDirectory(const std::string& directory);
    // Tells the directories that could not be entered, if any: "These
    // optional directories could not be entered", `consequence`, the list.
    void TellUnentered(std::string_view consequence);

    // The normal end: everything painted and put back, before the command
    // writes its closing status text.
    void Finish();

private:
    // Suspends the list's drawing and notes that it has changed.
    void Touch(ui::ListBox& list);
    void Tick();
    void Paint();
    void Release();
    void ShowStatus();

    TForm1& form_;
    ui::ListBox& zeroLength_;
    FileBrowserPage& browser_;
    bool usesBrowser_;
    bool browserMoved_ = false;
    bool finished_ = false;
    std::vector<std::string> unentered_;
    std::string status_;
    bool statusShown_ = true;
    struct Watched {
        ui::ListBox* list;
        bool changed;  // since it was last painted
    };
    std::vector<Watched> lists_;  // drawing suspended until Paint or Release
    RepaintPacer pacer_{100};
};

}  // namespace zarvik
