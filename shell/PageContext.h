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

// What start-up finds before the log store opens: the directories, each
// with "\" appended, and the log it chose.
struct SessionPaths {
    std::string windowsPath;
    std::string systemPath;  // the native one on 64-bit Windows
    // The 32-bit System directory of 64-bit Windows; empty on 32-bit Windows.
    std::string systemWow64Path;
    std::string logFileName;
    bool externalList = false;
};

// The machine and the log this run works on. Start-up begins it once; pages
// hold it const, so none can change what another reads.
class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Takes what start-up found and opens the log store on its log; a
    // second call is a fault of the program.
    void Begin(SessionPaths paths);

    const std::string& WindowsPath() const { return paths_.windowsPath; }
    const std::string& SystemPath() const { return paths_.systemPath; }
    const std::string& SystemWow64Path() const { return paths_.systemWow64Path; }
    const std::string& LogFileName() const { return paths_.logFileName; }
    bool ExternalList() const { return paths_.externalList; }
    // Stateless, so reading the session is all a page needs to use it.
    const RegistryAccessor& Registry() const { return registry_; }

    // The store on LogFileName; open from Begin on. The store is the log's,
    // not the session's: writing it leaves the session as it was.
    LogStore& LogFile() const;

private:
    SessionPaths paths_;
    RegistryAccessor registry_;
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
    const Session& session;
    Prompts& prompts;
    ReportSink& reports;
    FileViewer& viewer;
    StatusLine& status;
    // The main window: the owner of every message box a page shows.
    const ui::Window& owner;
};

}  // namespace zarvik
