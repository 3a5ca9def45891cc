#pragma once
// Compare Reports (TForm9): two loaded lists compared line by line.
#include <string>
#include <vector>

#include "shell/Prompts.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/RichEdit.h"

namespace zarvik {

class TForm2;

inline constexpr const char* kNoListLoaded = "No List Loaded";
inline constexpr const char* kNoFilesCompared = "No Files Compared Yet";

class TForm9 : public ui::Form {
public:
    TForm9(Prompts& prompts, TForm2& tool) : prompts_(prompts), tool_(tool) {}
    void Create();
    // Shows the window, centred on the screen when it was hidden.
    void ShowCompare();

    ui::PageControl PageControl1;
    ui::TabSheet* TabSheet1 = nullptr;  // List1
    ui::TabSheet* TabSheet2 = nullptr;  // List2
    // List1 page
    ui::Label Label1, Label3, Label5;
    ui::RichEdit RichEdit1;  // List 1 as loaded
    ui::Button Button1;      // Load
    ui::RichEdit RichEdit3;  // lines of List 1 not in List 2
    ui::Button Button2;      // Save
    ui::Edit Edit2;          // name for List 1
    // List2 page
    ui::Label Label2, Label4, Label6;
    ui::RichEdit RichEdit2;
    ui::Button Button4;
    ui::RichEdit RichEdit4;
    ui::Button Button5;
    ui::Edit Edit1;  // name for List 2
    // Below the notebook
    ui::Button Button3;  // Compare
    ui::Button Button6;  // Close

    void Button1Click();
    void Button4Click();
    void Button2Click();
    void Button5Click();
    void Button3Click();
    void Button6Click();
    void CompareLists();

private:
    struct Sheet {
        ui::Label& listLabel;
        ui::RichEdit& list;
        ui::Button& load;
        ui::Label& resultLabel;
        ui::RichEdit& result;
        ui::Button& save;
        ui::Label& nameLabel;
        ui::Edit& name;
    };
    void LaySheet(ui::TabSheet& sheet, int n, const Sheet& controls, const std::string& nameText,
                  void (TForm9::*load)(), void (TForm9::*save)());
    void LoadList(ui::RichEdit& box);
    void SaveResult(ui::RichEdit& box);

    Prompts& prompts_;
    TForm2& tool_;
};

// The lines folded to upper case by the platform's locale-aware conversion.
std::vector<std::string> UpperCaseKeys(const std::vector<std::string>& lines);

}  // namespace zarvik
