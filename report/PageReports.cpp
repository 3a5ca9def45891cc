// The Generate Report buttons of the notebook pages: one block each, under
// the page's heading, of the list the page shows.
#include "app/Application.h"
#include "app/MainForm.h"
#include "report/Unit2.h"

namespace zarvik {

namespace {

void ReportPage(Application& app, std::string_view heading, const std::vector<std::string>& lines) {
    app.Form2().AppendReportBlock(heading, lines);
}

}  // namespace

void TForm1::Button6Click() { ReportPage(app_, "Windows files:", FileListBox3.Items()); }
void TForm1::Button7Click() { ReportPage(app_, "System files:", FileListBox4.Items()); }
void TForm1::Button8Click() { ReportPage(app_, "Zero length files:", ListBox8.Items()); }
void TForm1::Button9Click() {
    ReportPage(app_, "Files added since log was created:", ListBox4.Items());
}
void TForm1::Button10Click() {
    ReportPage(app_, "Files deleted since log was created:", ListBox2.Items());
}
void TForm1::Button11Click() {
    ReportPage(app_, "Files changed since log was created:", ListBox3.Items());
}
void TForm1::Button12Click() { ReportPage(app_, "SharedDLL files:", ListBox1.Items()); }
void TForm1::Button13Click() { ReportPage(app_, "Missing SharedDLL files:", ListBox6.Items()); }
void TForm1::Button14Click() { ReportPage(app_, "Contents of log file:", Memo9.Lines()); }
void TForm1::Button17Click() {
    const std::string heading =
        "Contents (" + FileListBox1.Mask() + ") of:" + DirectoryListBox2.Directory();
    ReportPage(app_, heading, FileListBox1.Items());
}
void TForm1::Button33Click() {
    ReportPage(app_, "Optional directories logged:", ListBox11.Items());
}

}  // namespace zarvik
