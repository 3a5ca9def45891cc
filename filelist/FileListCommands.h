#pragma once
// The file list commands, Build, Clear, Commit and Export, as functions of
// the program's context and the lists they work on. TForm1's buttons and
// the Optional Directories page call them. After Build and Clear the caller
// reloads the log's view; Commit is given the reload, which comes before its
// last message.
#include <functional>
#include <string>
#include <vector>

#include "filelist/CommandProgress.h"
#include "shell/PageContext.h"

namespace zarvik {

// The directories Build logs and Analyze compares, each with its page's
// list: Windows, System and, on 64-bit Windows, the 32-bit System directory.
struct ListedDirectory {
    LoggedDirectory logged;
    ui::FileListBox* list;
};
std::vector<ListedDirectory> MainDirectories(const Session& session, const CommandLists& lists);

// Logs the files of the Windows and System directories (and the 32-bit
// System directory where there is one) after the question; false when the
// user said No.
bool BuildFileList(const PageContext& context, const CommandLists& lists);
// Erases those sections after the question; false when the user said No.
bool ClearFileList(const PageContext& context);
// Rewrites the optional part of the log with `directories` and logs their
// files (a directory with its subdirectories: its whole tree), then reloads
// the log's view and names the directories and folders that could not be
// entered.
void CommitOptionalDirectories(const PageContext& context, const CommandLists& lists,
                               const std::vector<ChosenDirectory>& directories,
                               const std::function<void()>& reloadLogView);
// Saves the log's text as last shown to a file the user chooses.
void ExportFileList(const PageContext& context, const std::vector<std::string>& lines);

}  // namespace zarvik
