#pragma once
// What a page or a secondary window may reach of the program: the session
// (directories, the log, the registry) and a few narrow services, each
// implemented by the composition root. A page never sees the main form or
// the application object, so it can be read and changed on its own.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/LogFileSystem.h"
#include "core/LogStore.h"
#include "shell/Prompts.h"
#include "shell/Registry.h"

namespace ui {
class FileListBox;
class ListBox;
class Window;
}  // namespace ui

namespace zarvik {

// The machine and the log this run works on.
class Session {
public:
    explicit Session(SystemPaths& paths);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    SystemPaths& Paths() { return paths_; }

    std::string WindowsPath;  // with "\" appended
    std::string SystemPath;   // with "\" appended; the native one on 64-bit Windows
    // The 32-bit System directory of 64-bit Windows with "\" appended;
    // empty on 32-bit Windows.
    std::string SystemWow64Path;
    std::string LogFileName;
    bool ExternalList = false;
    RegistryAccessor Registry;

    // The store on LogFileName; opened at start-up and never left unopened.
    LogStore& LogFile();
    void OpenLogFile(const std::string& path);

private:
    SystemPaths& paths_;
    std::unique_ptr<LogFileSystem> logFileSystem_;
    std::unique_ptr<LogStore> logFile_;
};

// Where a page's Generate Report goes: the Reporting Tool.
class ReportSink {
public:
    virtual void AppendReportBlock(std::string_view heading,
                                   const std::vector<std::string>& lines) = 0;

protected:
    ~ReportSink() = default;
};

// The File Viewer, as the lists that open files in it see it.
class FileViewer {
public:
    virtual void OpenInViewer(const std::string& path) = 0;
    // The selected file of a file list.
    virtual void OpenSelectedFile(const ui::FileListBox& list) = 0;
    // The path before " = " of a result list's selected entry.
    virtual void OpenSelectedListEntry(const ui::ListBox& list) = 0;
    // The selected entry of a list, taken whole as a path.
    virtual void OpenSelectedEntry(const ui::ListBox& list) = 0;

protected:
    ~FileViewer() = default;
};

// The main window's status line and its Processing label.
class StatusLine {
public:
    virtual void SetStatus(const std::string& text) = 0;
    // Sets the text and paints it at once, inside a long command.
    virtual void PaintStatus(const std::string& text) = 0;
    // Shows the Processing label and paints it before a long command.
    virtual void BeginProcessing() = 0;
    virtual void EndProcessing() = 0;

protected:
    ~StatusLine() = default;
};

struct PageContext {
    Session& session;
    Prompts& prompts;
    ReportSink& reports;
    FileViewer& viewer;
    StatusLine& status;
    // The main window: the owner of every message box a page shows.
    const ui::Window& owner;
};

}  // namespace zarvik
