#pragma once
// The File Viewer (TForm5): the printable strings of one file, with the
// examiner's findings under them.
#include <string>

#include "shell/PageContext.h"
#include "ui/Controls.h"
#include "ui/FileControls.h"
#include "ui/Form.h"
#include "ui/LineView.h"

namespace zarvik {

inline constexpr const char* kStringsReportHeading = "List of Strings in file:";

class TForm5 : public ui::Form, public FileViewer {
public:
    explicit TForm5(ReportSink& reports) : reports_(reports) {}
    void Create();

    ui::LineView Memo1;  // strings list: only what is on screen is drawn
    ui::Memo Memo2;      // findings list
    ui::Edit Edit1;      // path of the file shown
    ui::Button Button2;  // Generate Report
    ui::Button Button1;  // Close

    // Loads the file's strings and findings and shows the viewer. A file
    // that cannot be read gives empty lists under its path; nothing is asked.
    void OpenInViewer(const std::string& path) override;

    // What a double-click on a list of the main window opens; nothing
    // without a selection. A file list: its directory and the name.
    void OpenSelectedFile(const ui::FileListBox& list) override;
    // The entry's text as it stands (Shared DLL Files).
    void OpenSelectedEntry(const ui::ListBox& list) override;
    // The path of a "path = size" result entry (Files Added, Files Changed).
    void OpenSelectedListEntry(const ui::ListBox& list) override;

    void Button2Click();  // Generate Report
    void Button1Click();  // Close

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Layout(int width, int height);

    ReportSink& reports_;
};

}  // namespace zarvik
