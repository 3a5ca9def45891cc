// Generate Change Report: the five result lists of the last analysis as one
// fresh document in the Reporting Tool, with the downgrades of Files Changed
// in a section of their own.
#include <string>
#include <string_view>
#include <utility>
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
    std::vector<std::string> entries;
    const char* heading;
    bool sizeNotes;
    bool blankLinesAfter;
};

// The Files Changed entries whose version went down: their marks end so,
// and no entry without a version mark can (it ends in "K" or a time mark).
std::vector<std::string> Downgrades(const std::vector<std::string>& changed) {
    constexpr std::string_view kOlder = ": older)";
    std::vector<std::string> older;
    for (const std::string& e : changed)
        if (e.ends_with(kOlder)) older.push_back(e);
    return older;
}

}  // namespace

void GenerateChangeReport(TForm2& tool, const CommandLists& lists, const ui::ListBox& missingDlls) {
    tool.ShowTool();
    // A change report always replaces the page, AutoClear or not.
    tool.ClearPage();
    std::vector<std::string> changed = lists.changed.Items();
    std::vector<std::string> downgrades = Downgrades(changed);
    const Section sections[] = {
        {lists.zeroLength.Items(), "The following files have a ZERO BYTE file length:", false, true},
        {lists.added.Items(), "The following files have been ADDED:", true, true},
        {lists.deleted.Items(), "The following files have been REMOVED:", false, true},
        {std::move(changed), "The following files have been CHANGED:", true, true},
        {std::move(downgrades), "The following files have been replaced by OLDER VERSIONS:", false, true},
        {missingDlls.Items(), "The following SharedDLLs Registered Files are Missing:", false, false},
    };
    for (const Section& s : sections) {
        const std::vector<std::string>& entries = s.entries;
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
