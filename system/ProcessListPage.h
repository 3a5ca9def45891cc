#pragma once
// The "View Process List" page: the desktop's windows with their processes,
// the details of the chosen one, and the commands that act on it.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "shell/Page.h"
#include "system/ProcessControl.h"

namespace zarvik {

class ProcessListPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "View Process List";
    // `viewWindow` shows the View window with a picture of the window (or
    // of none).
    ProcessListPage(const PageContext& context, ui::TabSheet& sheet,
                    std::function<void(HWND window)> viewWindow)
        : NotebookPage(context, sheet), viewWindow_(std::move(viewWindow)) {}
    void Create() override;

    ui::Label Label10;  // title
    ui::Label Label29, Label31, Label30, Label32;  // column headings
    ui::ListBox ListBox7;  // the window list
    ui::Button Button15;   // Generate Report
    void Button15Click();
    ui::Button Button28;   // Refresh List
    ui::Button Button30;   // Kill Process
    ui::Button Button32;   // Shutdown Windows
    ui::CheckBox CheckBox1;  // Display Child Processes
    ui::Label Label36, Label37;  // "Processes:" and the count
    ui::Label Label33, Label34, Label35;  // labels of the details
    ui::Edit Edit4;  // window handle
    ui::Edit Edit5;  // the class's window procedure
    ui::Edit Edit7;  // class name
    ui::Label Label38;  // "API"
    ui::Button Button52, Button51, Button50, Button37, Button38, Button35, Button34, Button49;
    ui::Label Label39;  // "Caption"
    ui::Edit Edit6;     // caption; the text of Find and Set
    ui::Button Button36, Button31;  // Find, Set
    ui::Label Label40, Label41;     // "Big Icon", "Small Icon"
    ui::Image Image1, Image2;
    ui::Button Button39, Button47;  // Change (large), Change (small)

    // The window tables, one record per list entry at the same position.
    struct WindowRecord {
        HWND handle = nullptr;
        std::uintptr_t windowProc = 0;  // the class's, 0 when the lookup fails
        std::string className;
    };
    const std::vector<WindowRecord>& Windows() const { return windows_; }
    // The selected entry's window; null without a selection.
    HWND SelectedWindow() const;

    // Tests put their own in place; the page does not own it.
    void UseProcessControl(ProcessControl& control) { processes_ = &control; }

    void TabSheet10Enter();
    void RefreshWindowList();
    void ListBox7Click();
    void Button28Click();  // Refresh List
    void Button30Click();  // Kill Process
    void Button32Click();  // Shutdown Windows
    void CheckBox1Click();

    void Button52Click();  // Minimize
    void Button51Click();  // Maximize
    void Button50Click();  // Restore
    void Button37Click();  // Show
    void Button38Click();  // Hide
    void Button35Click();  // Enable
    void Button34Click();  // Disable
    void Button49Click();  // View
    void Button36Click();  // Find
    void Button31Click();  // Set
    void Button39Click();  // Change the large icon
    void Button47Click();  // Change the small icon
    void Image1DblClick();  // Save the large icon
    void Image2DblClick();  // Save the small icon

private:
    const std::function<void(HWND window)> viewWindow_;
    void ShowSelected(int command);
    void ChangeIcon(ui::Image& image, WPARAM which);
    void SaveIcon(const ui::Image& image);

    std::vector<WindowRecord> windows_;
    std::vector<ui::IconHandle> givenIcons_;
    Win32ProcessControl systemProcesses_;
    ProcessControl* processes_ = &systemProcesses_;
};

}  // namespace zarvik
