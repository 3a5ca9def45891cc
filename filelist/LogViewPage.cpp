#include "filelist/LogViewPage.h"

#include "shell/FileProbe.h"

namespace zarvik {

void LogViewPage::Create() {
    const ui::Rect area = Area();
    const int w = area.w, h = area.h;
    ui::Lay(*this, Sheet(),
            {
                {Title, kPageTitleRect, "Log File", kPageTitle},
                {Memo9, {10, 40, w - 300, h - 48}, {},
                 {.readOnly = true, .vScroll = true, .hScroll = true, .wordWrap = false}},
                {Memo10, {w - 280, 40, 270, 100},
                 {"The Log File holds all the filenames ", "and file sizes for the windows and ",
                  "system files as well as files in optional ", "directories recorded when the ",
                  "logfile was created/updated."},
                 {.readOnly = true}},
                {Button4, {w - 280, h - 75, 130, 25}, "Refresh", &LogViewPage::Button4Click},
                {Button14, {w - 280, h - 40, 130, 25}, "Generate Report",
                 &LogViewPage::Button14Click},
            });
    Sheet().OnEnter = [this] { TabSheetEnter(); };
}

void LogViewPage::ReloadLogView() {
    lines_ = ReadTextLines(session_.LogFileName);
    shown_ = false;
    // The page on top of the notebook, even while the main window is hidden.
    if (::GetWindowLongA(Sheet().Handle(), GWL_STYLE) & WS_VISIBLE) ShowLines();
}

void LogViewPage::TabSheetEnter() { ShowLines(); }

void LogViewPage::ShowLines() {
    if (shown_) return;
    Memo9.SetLines(lines_);
    shown_ = true;
}

void LogViewPage::Button4Click() { ReloadLogView(); }

void LogViewPage::Button14Click() {
    reports_.AppendReportBlock("Contents of log file:", lines_);
}

}  // namespace zarvik
