// Generate Change Report: the five result lists of the last analysis as one
// fresh document in the Reporting Tool.
#include <vector>

#include "analysis/AnalysisCommands.h"
#include "report/Unit2.h"

namespace zarvik {

namespace {

const std::vector<std::string> kSizeNotes = {
    "Please Note: these filesizes are approximate and won't always match the sizes quoted in "
    "explorer.",
    "For the exact size you will need to examine the file. The size is divided by 1000 (Not 1024 "
    "since",
    "the size seems to differ more from explorers size) They are only intended as a rough "
    "guideline.",
};

struct Section {
    const ui::ListBox& list;
    const char* heading;
    bool sizeNotes;
    bool blankLinesAfter;
};

}  // namespace

void GenerateChangeReport(TForm2& tool, const CommandLists& lists, const ui::ListBox& missingDlls) {
    tool.ShowTool();
    // A change report always replaces the page, AutoClear or not.
    tool.ClearPage();
    const Section sections[] = {
        {lists.zeroLength, "The following files have a ZERO BYTE file length:", false, true},
        {lists.added, "The following files have been ADDED:", true, true},
        {lists.deleted, "The following files have been REMOVED:", false, true},
        {lists.changed, "The following files have been CHANGED:", true, true},
        {missingDlls, "The following SharedDLLs Registered Files are Missing:", false, false},
    };
    for (const Section& s : sections) {
        const std::vector<std::string> entries = s.list.Items();
        if (entries.empty()) continue;
        tool.BoldOn();
        tool.AppendLine(s.heading);
        tool.BoldOff();
        std::vector<std::string> lines;
        lines.reserve(entries.size() + 5);
        if (s.sizeNotes) lines = kSizeNotes;
        for (const std::string& e : entries) lines.push_back("     " + e);
        if (s.blankLinesAfter) {
            lines.emplace_back(" ");
            lines.emplace_back(" ");
        }
        tool.AppendLines(lines);
    }
}

}  // namespace zarvik
