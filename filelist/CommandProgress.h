#pragma once
// What a long command (Build, Commit, Analyze) shows while it runs, and what
// it puts back however it ends: the Processing label, the status line with
// each path, and the result lists filling. Repaints are paced to about 10 a
// second; the lists get every entry at once, the status line each path
// that is current when a repaint is due, and always the last one. It is the
// walk's sink, and its lister of optional directories through the File
// Browser's list.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/FileWalk.h"
#include "core/TreeWalk.h"
#include "filelist/RepaintPacer.h"
#include "filelist/ResultRows.h"
#include "platform/FolderFind.h"
#include "shell/PageContext.h"
#include "ui/Controls.h"
#include "ui/FileControls.h"

namespace zarvik {

// The pages' lists that the file list commands work on, handed over by the
// composition root. The lists are the working data the user sees.
struct CommandLists {
    ui::FileListBox& windows;      // Windows Files
    ui::FileListBox& system;       // System Files
    ui::FileListBox* systemWow64;  // System Files (32-bit); null on 32-bit Windows
    ui::ListBox& zeroLength;
    ui::ListBox& added;
    ui::ListBox& deleted;
    ui::ListBox& changed;
    // The File Browser's list, which Commit and Analyze point at the optional
    // directories, and what puts the browser back after (`moved`: the list
    // was pointed elsewhere).
    ui::FileListBox& browser;
    std::function<void(bool moved)> endBrowserScan;
    // The facts of the result lists' entries, kept in step with the lists.
    AnalysisResults& results;
};

// Empties Files Changed, Files Added, Files Deleted and Zero Length Files,
// and their facts, at the start of a command that fills them again.
class CommandProgress;
void ClearChangeLists(const CommandLists& lists, CommandProgress& progress);

// A page's file list as the walk's lister: listed again first, since an
// installation may have run since start-up.
class FileListLister final : public DirectoryLister {
public:
    explicit FileListLister(ui::FileListBox& list) : list_(list) {}
    std::optional<Listing> ListFiles(const std::string& directory) override;

private:
    ui::FileListBox& list_;
};

class CommandProgress;

// The lister of an optional directory chosen with its subdirectories: its
// whole tree, listed by the platform's folder lister, not by the File
// Browser's list, which shows one directory. Every folder that cannot be
// entered, the directory itself too, is noted in the progress.
class TreeListLister final : public DirectoryLister {
public:
    explicit TreeListLister(CommandProgress& progress);
    std::optional<Listing> ListFiles(const std::string& directory) override;

private:
    CommandProgress& progress_;
    platform::Win32FolderLister folders_;
    TreeLister tree_;
};

class CommandProgress final : public WalkSink, public DirectoryLister {
public:
    // Shows and paints the Processing label. With `usesBrowser` the command
    // may point the File Browser list at other directories, and the browser
    // is put back at the end.
    CommandProgress(const PageContext& context, const CommandLists& lists, bool usesBrowser);
    // Error or not: the lists are painted whole, the status line keeps the
    // last path, the browser is put back and the label hidden.
    ~CommandProgress();
    CommandProgress(const CommandProgress&) = delete;
    CommandProgress& operator=(const CommandProgress&) = delete;

    void Status(std::string_view text);
    // A result list and its facts (those kept under `caption`) emptied.
    void Clear(ui::ListBox& list, std::string_view caption);
    void Append(ui::ListBox& list, std::string_view text);
    // An entry appended and its facts kept (under `facts.list`).
    void Append(ui::ListBox& list, std::string_view text, ResultRow facts);

    // WalkSink
    void Walking(std::string_view path) override { Status(path); }
    void ZeroLength(const std::string& path, const FileMeasure& file) override;

    // DirectoryLister: points the File Browser list at an optional directory
    // with the mask "*.*"; a directory that cannot be entered is noted.
    std::optional<Listing> ListFiles(const std::string& directory) override;
    // Tells the directories that could not be entered, if any: "These
    // optional directories could not be entered", `consequence`, the list.
    void TellUnentered(std::string_view consequence);
    // Notes a directory, or a folder of a tree, that could not be entered.
    void Unentered(std::string folder) { unentered_.push_back(std::move(folder)); }

    // The normal end: everything painted and put back, before the command
    // writes its closing status text.
    void Finish();

private:
    // Suspends the list's drawing and notes that it has changed.
    void Touch(ui::ListBox& list);
    void Tick();
    void Paint();
    void Release();
    void ShowStatus(bool paint);

    const PageContext& context_;
    const CommandLists& lists_;
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
    std::vector<Watched> watched_;  // drawing suspended until Paint or Release
    RepaintPacer pacer_{100};
};

}  // namespace zarvik
