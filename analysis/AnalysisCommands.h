#pragma once
// Analyze FileList, Generate Change Report and the Shared DLL check, as
// functions of the program's context and the lists they work on. TForm1's
// buttons call them.
#include "filelist/CommandProgress.h"
#include "shell/PageContext.h"

namespace zarvik {

class MissingSharedDllFilesPage;
class SharedDllFilesPage;
class TForm2;

// The lists Analyze fills beyond the file list commands' own.
struct AnalysisLists {
    const CommandLists& files;
    SharedDllFilesPage& sharedDlls;
    ui::ListBox& missingDlls;
    ui::ListBox& logKeys;  // the main window's hidden scratch list of log keys
};

// Compares the disk with the log: Files Added, Changed and Deleted, Zero
// Length Files, then the optional directories; the Shared DLL check first.
void AnalyzeFileList(const PageContext& context, const AnalysisLists& lists);

// Every result list's facts as one CSV file the user chooses, in page order.
void ExportResults(const PageContext& context, const AnalysisResults& results);

// The five result lists of the last analysis as one fresh document in the
// Reporting Tool.
void GenerateChangeReport(TForm2& tool, const CommandLists& lists, const ui::ListBox& missingDlls);

}  // namespace zarvik
