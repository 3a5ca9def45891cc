#include "app/AboutPage.h"

#include <string>
#include <vector>

namespace zarvik {

namespace {

const std::vector<std::string> kAboutHelp = {
    "Zarvik v1.1",
    "",
    "Zarvik records the name and size of every file of the Windows directory, the System",
    "directory and any optional directories you choose in a log file, Zarvik.ini in the",
    "Windows directory. After an installation or upgrade it compares the disk with that log",
    "and lists the files that were added, deleted, changed or are now empty, together with",
    "the shared DLLs registered in the registry and those that are missing.",
    "",
    "Starting up",
    "At every start Zarvik asks whether to open an external list file. Answer No to work on",
    "this machine's own log. Answer Yes and choose a log exported from another machine to",
    "compare this machine with it: the external list is read-only, so Build FileList, Clear",
    "FileList, Export FileList and Commit stay disabled for the whole run.",
    "",
    "The toolbar, left to right",
    "Build FileList: logs the size of every file of the Windows and System directories.",
    "Analyze FileList: compares the disk with the log and fills the result pages.",
    "Clear FileList: removes the Windows and System entries from the log.",
    "Generate Change Report: writes all results of the last analysis to the Reporting Tool.",
    "About: who made Zarvik.",
    "Export FileList: saves a copy of the log under another name.",
    "Display Zarvik Reporting Tool: the editor where reports are edited, saved and printed.",
    "Compare Reports: compares two saved reports line by line.",
    "Display Settings: the main window's border and translucency.",
    "Quit Zarvik v1.1: ends the program.",
    "",
    "The pages",
    "Windows Files and System Files: the files that Build FileList logs.",
    "Zero Length Files, Files Added, Files Deleted, Files Changed: the results of the analysis.",
    "Shared DLL Files and Missing Shared DLL Files: the registered shared files.",
    "View LogFile: the text of the log file.",
    "View Process List: the desktop's windows and their processes.",
    "File Browser: browse drives and folders with file-type filters.",
    "Optional Directories: choose further directories to log, then press Commit.",
    "Registry Services: start-up entries, shell-open commands and services.",
    "DDE Services: a DDE client and server for testing other programs.",
    "Additional: edit win.ini and see the installed services.",
    "",
    "Every page with a list has a Generate Report button that sends the list to the",
    "Reporting Tool. Double click on a file in a list to view it in text form.",
};

}  // namespace

void AboutPage::Create() {
    const ui::Rect area = Area();
    ui::Lay(*this, Sheet(),
            {
                {Title, kPageTitleRect, "About Zarvik v1.1", kPageTitle},
                {Memo12, {10, 40, area.w - 20, area.h - 48}, kAboutHelp,
                 {.readOnly = true, .vScroll = true}},
            });
}

}  // namespace zarvik
