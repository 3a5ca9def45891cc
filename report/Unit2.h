#pragma once
// The Reporting Tool (TForm2), its Find Text window (TForm3) and its Tabs
// window (TForm4).
#include <string>
#include <string_view>
#include <vector>

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/RichEdit.h"

namespace zarvik {

class Application;

class TForm2 : public ui::Form {
public:
    explicit TForm2(Application& app) : app_(app) {}
    void Create();

    ui::Panel Toolbar;
    ui::ToolTip Hints;
    ui::CheckBox CheckBox1;  // AutoClear
    ui::RichEdit RichEdit1;  // the report page

    // Operations the report commands of the other windows use.
    void ShowTool();
    void ClearPage();
    bool AutoClear() const { return CheckBox1.Checked(); }
    void BoldOn();
    void BoldOff();
    void AppendLine(std::string_view text);
    void AppendReportBlock(std::string_view heading, const std::vector<std::string>& entries);

private:
    Application& app_;
};

class TForm3 : public ui::Form {
public:
    void Create(HWND owner);
};

class TForm4 : public ui::Form {
public:
    explicit TForm4(Application& app) : app_(app) {}
    void Create();

private:
    Application& app_;
};

}  // namespace zarvik
