#pragma once
// What the window tests share: scripted prompts, temporary directories on
// the real file system, and a program started on them.
#include <windows.h>

#include <deque>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/SharedDllPages.h"
#include "app/Application.h"
#include "app/MainForm.h"
#include "shell/ProductTexts.h"
#include "shell/Prompts.h"
#include "filelist/ListPages.h"
#include "filelist/LogViewPage.h"
#include "filelist/OptionalDirectoriesPage.h"
#include "filelist/ResultPages.h"
#include "inspect/FileBrowserPage.h"
#include "system/AdditionalPage.h"
#include "system/ProcessListPage.h"

namespace testing_support {

// A queue of scripted answers that must all be used: one left over when the
// queue is scripted anew, or at tear-down, fails the test.
template <class T>
struct Script : std::deque<T> {
    const char* what;
    ~Script() { EXPECT_TRUE(this->empty()) << this->size() << " scripted " << what << " never used"; }
    Script& operator=(std::initializer_list<T> next) {
        EXPECT_TRUE(this->empty()) << this->size() << " scripted " << what << " never used";
        std::deque<T>::operator=(next);
        return *this;
    }
};

// Answers every question from a script and records what was asked. A
// question with no scripted answer fails the test and is answered No. A
// message or error shown that the test never read (through Messages or
// Errors) fails it at tear-down: the user saw something the test did not.
class ScriptedPrompts final : public zarvik::Prompts {
public:
    struct Asked {
        std::string kind;  // "ask", "tell", "error", "open", "save", "picture", "font"
        std::string text;  // the message text, or the dialog's filter
        std::string title;
        mutable bool read = false;  // a shown message the test has looked at
    };

    ScriptedPrompts() = default;
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;
    ~ScriptedPrompts() override;

    Script<bool> answers{{}, "answers"};                          // for Ask
    Script<std::optional<std::string>> files{{}, "files"};        // for OpenFile and SaveFile
    Script<std::optional<std::string>> pictures{{}, "pictures"};  // for OpenPicture
    Script<std::optional<LOGFONTA>> fonts{{}, "fonts"};           // for ChooseFont; nullopt = Cancel
    bool printerAvailable = true;  // false: DefaultPrinter reports no printer

    std::vector<Asked> asked;
    std::vector<zarvik::FileDialogOptions> dialogs;

    // Reading these counts the messages and errors shown so far as read.
    std::vector<std::string> Errors() const;     // texts of ShowError, in order
    std::vector<std::string> Questions() const;  // texts of Ask, in order
    std::vector<std::string> Messages() const;   // texts of Tell, in order

    bool Ask(HWND owner, const std::string& text, const std::string& title) override;
    void Tell(HWND owner, const std::string& text, const std::string& title) override;
    void ShowError(HWND owner, const std::string& text, const std::string& title) override;
    std::optional<std::string> OpenFile(HWND owner, const zarvik::FileDialogOptions& o) override;
    std::optional<std::string> SaveFile(HWND owner, const zarvik::FileDialogOptions& o) override;
    std::optional<std::string> OpenPicture(HWND owner) override;
    bool ChooseFont(HWND owner, LOGFONTA& font, COLORREF& color) override;
    ui::OwnedDC DefaultPrinter(std::string& error) override;

private:
    std::optional<std::string> NextFile(const char* kind, const zarvik::FileDialogOptions& o);
};

class FixedPaths final : public zarvik::SystemPaths {
public:
    std::string windows, system;
    std::string systemWow64;  // empty: a 32-bit Windows
    std::string WindowsDirectory() override { return windows; }
    std::string SystemDirectory() override { return system; }
    std::string SystemWow64Directory() override { return systemWow64; }
};

// A fresh directory under the temporary folder, removed with its contents.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

void WriteFile(const std::string& path, const std::string& bytes);
void WriteFileOfSize(const std::string& path, size_t size);
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
void MakeDirectory(const std::string& path);
void RemoveTree(const std::string& path);

// Whether the test command set up a printer (ZARVIK_PRINTER, from
// scripts/test.sh): a printing test that finds none then fails, not skips.
bool PrinterSetUp();

// Presses a control the way the user does (BM_CLICK); fails the test when it
// is disabled, since a user could not press it.
void Click(ui::Window& button);

// A program started on a temporary Windows directory (with "System" inside
// it), answering the start-up question No unless told otherwise.
class ProgramTest : public ::testing::Test {
protected:
    ProgramTest();
    ~ProgramTest() override;

    // Creates the windows and runs FormCreate, answering the start-up
    // question No (answers scripted before are kept for later questions).
    void Start();
    // The same, answering Yes and giving `file` to the open dialog (nullopt:
    // the dialog is cancelled).
    void StartWithExternalList(std::optional<std::string> file);
    void Stop();

    zarvik::Application& App() { return *app_; }
    zarvik::TForm1& Main() { return app_->Form1(); }
    // The main window's page of that class: On<zarvik::LogViewPage>().Memo9.
    template <class P>
    P& On() {
        return Main().Page<P>();
    }
    // The log view as the user sees it: its page brought to the top, then Memo9.
    std::vector<std::string> LogView();
    std::string WindowsDir() const { return paths.windows; }
    std::string SystemDir() const { return paths.system; }
    std::string LogPath() const { return paths.windows + "\\Zarvik.ini"; }

    TempDir root;
    ScriptedPrompts prompts;
    FixedPaths paths;

private:
    void Launch();
    std::unique_ptr<zarvik::Application> app_;
};

}  // namespace testing_support
