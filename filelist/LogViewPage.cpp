#include "filelist/LogViewPage.h"

#include "core/TextHelpers.h"
#include "shell/FileProbe.h"

namespace zarvik {

void LogViewPage::Create() {
    const ui::Rect area = Area();
    const int w = area.w, h = area.h;
    ui::Lay(*this, Sheet(),
            {
                {Title, kPageTitleRect, "Log File", kPageTitle},
                {Memo9, {10, 40, w - 300, h - 48}, {.readOnly = true}},
                {Memo10, {w - 280, 40, 270, 100},
                 {"The Log File holds all the filenames ", "and file sizes for the windows and ",
                  "system files as well as files in optional ", "directories recorded when the ",
                  "logfile was created/updated."},
                 {.readOnly = true}},
                {Button4, {w - 280, h - 75, 130, 25}, "Refresh", &LogViewPage::Button4Click},
                {Button14, {w - 280, h - 40, 130, 25}, "Generate Report",
                 &LogViewPage::Button14Click},
            });
}

void LogViewPage::ReloadLogView() { LoadLogView(session_.LogFileName()); }

void LogViewPage::LoadLogView(const std::string& logFileName) {
    Memo9.SetLines(CrLfLines(ReadWholeFile(logFileName)));
}

void LogViewPage::Button4Click() { ReloadLogView(); }

void LogViewPage::Button14Click() {
    reports_.AppendReportBlock("Contents of log file:", ViewLines());
}

}  // namespace zarvik
