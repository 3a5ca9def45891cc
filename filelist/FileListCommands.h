#pragma once
// The toolbar's file list commands, Build, Clear and Export, as functions of
// the program's context and the lists they work on. TForm1's buttons call
// them; the log view is reloaded by the caller.
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
// Saves the log's text as last shown to a file the user chooses.
void ExportFileList(const PageContext& context, const std::vector<std::string>& lines);

}  // namespace zarvik
