#pragma once
// The "Optional Directories" page: the further directories to log, and
// Commit (CommitOptionalDirectories), which rewrites the optional part of
// the log with them. An entry chosen with its subdirectories ends in "\*"
// (ChosenEntryText); Commit reads the list back through ChosenFromEntry.
#include <functional>
#include <string>
#include <utility>

#include "filelist/CommandProgress.h"
#include "shell/Page.h"

namespace zarvik {

class OptionalDirectoriesPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "Optional Directories";
    // The lists Commit works on, and the reload of the log's view after it.
    OptionalDirectoriesPage(const PageContext& context, ui::TabSheet& sheet,
                            const CommandLists& lists, std::function<void()> reloadLogView)
        : NotebookPage(context, sheet), lists_(lists), reloadLogView_(std::move(reloadLogView)) {}
    void Create() override;
    void Start() override;

    ui::Label Title;
    ui::ListBox ListBox11;  // the chosen directories
    ui::Button Button1;     // <----Add Dir <----
    ui::CheckBox CheckBox2;  // Include Subdirectories: Add Dir adds the whole tree
    ui::Button Button2;     // Remove Dir
    ui::Button Button3;     // Clear All
    ui::Button Button5;     // Commit
    ui::Button Button33;    // Generate Report
    ui::Edit Edit1;         // the tree's directory
    ui::DirectoryListBox DirectoryListBox1;
    ui::Memo Memo14;

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button5Click();
    void Button33Click();
    void DirectoryListBox1Change();

private:
    const CommandLists& lists_;
    const std::function<void()> reloadLogView_;
};

}  // namespace zarvik
