#pragma once
// What a long command (Build, Commit, Analyze) shows while it runs, and what
// it puts back however it ends: the Processing label, the status line with
// each path, and the result lists filling. Repaints are paced to about 30 a
// second; the lists get every entry at once, the status line each path
// that is current when a repaint is due, and always the last one.
#include <string>
#include <string_view>
#include <vector>

#include "analysis/ChangeRules.h"
#include "ui/Controls.h"

namespace zarvik {

class TForm1;

class CommandProgress {
public:
    // Shows and paints the Processing label. With `usesBrowser` the command
    // points the File Browser list at other directories, and its mask is set
    // back from Edit3 at the end.
    CommandProgress(TForm1& form, bool usesBrowser);
    // Error or not: the lists are painted whole, the status line keeps the
    // last path, the mask is restored and the label hidden.
    ~CommandProgress();
    CommandProgress(const CommandProgress&) = delete;
    CommandProgress& operator=(const CommandProgress&) = delete;

    void Status(std::string_view text);
    void Clear(ui::ListBox& list);
    void Append(ui::ListBox& list, std::string_view text);
    // Notes that the File Browser list now shows a scanned directory.
    void BrowserMoved() { browserMoved_ = true; }
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
    bool usesBrowser_;
    bool browserMoved_ = false;
    bool finished_ = false;
    std::string status_;
    bool statusShown_ = true;
    struct Watched {
        ui::ListBox* list;
        bool changed;  // since it was last painted
    };
    std::vector<Watched> lists_;  // drawing suspended until Paint or Release
    RepaintPacer pacer_{33};
};

}  // namespace zarvik
