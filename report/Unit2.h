#pragma once
// The Reporting Tool (TForm2), its Find Text window (TForm3) and its Tabs
// window (TForm4).
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "shell/PageContext.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/RichEdit.h"

namespace zarvik {

inline constexpr const char* kReportFilter = "Zarvik v1.1 Log|*.zvk|Text File|*.txt|All Files|*.*";
inline constexpr const char* kReportExtension = "zvk";
inline constexpr const char* kPrintJobTitle = "Zarvik v1.1 Report";
inline constexpr const char* kReportFontName = "MS Sans Serif";
inline constexpr int kReportFontTwips = 160;  // 8 point
inline constexpr std::array<int, 4> kDefaultTabStops = {40, 205, 320, 400};

class TForm4;

class TForm2 : public ui::Form, public ReportSink {
public:
    explicit TForm2(Prompts& prompts) : prompts_(prompts) {}
    // The Tabs window that Button1 shows; made after this one.
    void SetTabsWindow(TForm4& tabs) { tabs_ = &tabs; }
    void Create();

    ui::Panel Toolbar;
    ui::ToolTip Hints;
    ui::SpeedButton SpeedButton5;   // Cut
    ui::SpeedButton SpeedButton6;   // Copy
    ui::SpeedButton SpeedButton7;   // Paste
    ui::SpeedButton SpeedButton9;   // Set Font
    ui::SpeedButton SpeedButton12;  // Left Justify
    ui::SpeedButton SpeedButton10;  // Center
    ui::SpeedButton SpeedButton11;  // Right Justify
    ui::Button Button1;             // Tabs
    ui::SpeedButton SpeedButton1;   // Open Report
    ui::SpeedButton SpeedButton2;   // Save Report
    ui::SpeedButton SpeedButton8;   // Clear Page
    ui::SpeedButton SpeedButton3;   // Print Report
    ui::CheckBox CheckBox1;         // AutoClear
    ui::SpeedButton SpeedButton4;   // Exit Reporting Tool
    ui::RichEdit RichEdit1;         // the report page

    // Operations the report commands of the other windows use.
    void ShowTool();
    void ClearPage();
    bool AutoClear() const { return CheckBox1.Checked(); }
    void BoldOn();
    void BoldOff();
    void AppendLine(std::string_view text);
    // The same as appending each line in turn, in one insertion.
    void AppendLines(const std::vector<std::string>& lines);
    void AppendReportBlock(std::string_view heading, const std::vector<std::string>& entries) override;
    // Tab stops in points for every paragraph of the page.
    void SetPageTabStops(const std::array<int, 4>& points);

    // Toolbar commands.
    void SpeedButton5Click();   // Cut
    void SpeedButton6Click();   // Copy
    void SpeedButton7Click();   // Paste
    void SpeedButton9Click();   // Set Font
    void SpeedButton12Click();  // Left Justify
    void SpeedButton10Click();  // Center
    void SpeedButton11Click();  // Right Justify
    void Button1Click();        // Tabs
    void SpeedButton1Click();   // Open Report
    void SpeedButton2Click();   // Save Report
    void SpeedButton8Click();   // Clear Page
    void SpeedButton3Click();   // Print Report
    void SpeedButton4Click();   // Exit Reporting Tool

private:
    // Puts the insertion point at the end of the page; when it is there
    // already its pending style is kept.
    void MoveToEnd();

    Prompts& prompts_;
    TForm4* tabs_ = nullptr;
};

class TForm3 : public ui::Form {
public:
    void Create(HWND owner);
};

class TForm4 : public ui::Form {
public:
    explicit TForm4(TForm2& tool) : tool_(tool) {}
    void Create();

    ui::Label Label1, Label2, Label3, Label4;
    ui::Edit Edit1, Edit2, Edit3, Edit4;
    ui::UpDown UpDown1, UpDown2, UpDown3, UpDown4;
    ui::Button Button1;  // Set Tabs
    ui::Button Button2;  // Cancel

    void Button1Click();
    void Button2Click();

private:
    TForm2& tool_;
    std::array<int, 4> values_ = kDefaultTabStops;  // last values set
};

}  // namespace zarvik
