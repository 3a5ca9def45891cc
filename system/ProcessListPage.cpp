#include "system/ProcessListPage.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "shell/FileProbe.h"
#include "shell/ProductTexts.h"
#include "system/WindowCollector.h"
#include "system/WindowList.h"
#include "ui/Dpi.h"
#include "platform/SystemFunction.h"
#include "ui/UpperCase.h"

namespace zarvik {

void ProcessListPage::Create() {
    using P = ProcessListPage;
    const ui::Label::Style heading{.bold = true};
    // The controls under the list keep their places to one another and sit
    // above the page's bottom edge, however many rows of tabs the notebook
    // takes: the list gives up the height they need.
    const int b = std::min(254, Area().h - 112);
    ui::Lay(*this, Sheet(),
            {
                {Label10, {10, 0, 200, 25}, "Process List", kPageTitle},
                {Label29, {12, 25, 150, 14}, "Process ID"},
                {Label31, {236, 25, 150, 14}, "Process Caption"},
                {Label30, {460, 25, 150, 14}, "Class Name"},
                {Label32, {684, 25, 90, 14}, "Window Handle"},
                {ListBox7, {10, 40, 765, b - 45}, {.tabStops = true}, &P::ListBox7Click, &P::Button49Click},
                {Button15, {10, b + 2, 130, 25}, "Generate Report", &P::Button15Click},
                {Button28, {10, b + 29, 130, 25}, "Refresh List", &P::Button28Click},
                {Button30, {10, b + 56, 130, 25}, "Kill Process", &P::Button30Click},
                {Button32, {10, b + 83, 130, 25}, "Shutdown Windows", &P::Button32Click},
                {CheckBox1, {148, b + 2, 150, 20}, "Display Child Processes", &P::CheckBox1Click},
                {Label36, {148, b + 28, 150, 16}, "Processes:"},
                {Label37, {148, b + 44, 150, 30}, "----",
                 {.color = RGB(255, 0, 0), .height = 24, .bold = true}},
                {Label33, {306, b + 3, 94, 16}, "Window Handle"},
                {Edit4, {402, b, 106, 21}, "", {.readOnly = true}},
                {Label34, {306, b + 26, 94, 16}, "Window Process"},
                {Edit5, {402, b + 23, 106, 21}, "", {.readOnly = true}},
                {Label35, {306, b + 49, 94, 16}, "Class Name"},
                {Edit7, {402, b + 46, 106, 21}, "", {.readOnly = true}},
                {Label39, {306, b + 72, 86, 16}, "Caption", heading},
                {Edit6, {306, b + 88, 202, 21}, ""},
                {Button36, {514, b + 88, 54, 22}, "Find", &P::Button36Click},
                {Button31, {572, b + 88, 54, 22}, "Set", &P::Button31Click},
                {Label38, {514, b, 100, 16}, "API", {.bold = true, .italic = true}},
                {Button52, {514, b + 16, 56, 22}, "Minimize", &P::Button52Click},
                {Button51, {572, b + 16, 56, 22}, "Maximize", &P::Button51Click},
                {Button50, {630, b + 16, 56, 22}, "Restore", &P::Button50Click},
                {Button37, {514, b + 40, 56, 22}, "Show", &P::Button37Click},
                {Button38, {572, b + 40, 56, 22}, "Hide", &P::Button38Click},
                {Button49, {630, b + 40, 56, 22}, "View", &P::Button49Click},
                {Button35, {514, b + 64, 56, 22}, "Enable", &P::Button35Click},
                {Button34, {572, b + 64, 56, 22}, "Disable", &P::Button34Click},
                {Label40, {692, b, 83, 14}, "Big Icon"},
                {Image1, {692, b + 14, 32, 32}},
                {Button39, {727, b + 19, 48, 22}, "Change ", &P::Button39Click},
                {Label41, {692, b + 48, 83, 14}, "Small Icon"},
                {Image2, {692, b + 62, 32, 32}},
                {Button47, {727, b + 67, 48, 22}, "Change", &P::Button47Click},
            });
    CheckBox1.SetChecked(true);
    // Tab stops 224 pixels apart put the fields under their headings.
    ListBox7.SetTabStopPixels(224);
    Image1.OnDblClick = [this] { Image1DblClick(); };
    Image2.OnDblClick = [this] { Image2DblClick(); };
    Sheet().OnEnter = [this] { TabSheet10Enter(); };
}

// --- The window list ---------------------------------------------------------

void ProcessListPage::TabSheet10Enter() { RefreshWindowList(); }

void ProcessListPage::RefreshWindowList() {
    const std::vector<FoundWindow> found = CollectWindows(CheckBox1.Checked());
    std::vector<std::string> entries;
    entries.reserve(found.size());
    windows_.clear();
    windows_.reserve(found.size());
    // A class's procedure is looked up once per refresh, not once per window.
    std::unordered_map<std::string, std::uintptr_t> procedures;
    for (const FoundWindow& w : found) {
        WindowRecord record{w.handle, 0, ReadClassName(w.handle)};
        const std::string text = ReadWindowText(w.handle);
        if (!record.className.empty()) {
            auto [it, added] = procedures.try_emplace(record.className, 0);
            WNDCLASSEXA wc{};
            wc.cbSize = sizeof wc;
            // System-wide classes only, as the null instance asks; others record 0.
            if (added && ::GetClassInfoExA(nullptr, record.className.c_str(), &wc))
                it->second = reinterpret_cast<std::uintptr_t>(wc.lpfnWndProc);
            record.windowProc = it->second;
        }
        const auto handle = reinterpret_cast<std::uintptr_t>(w.handle);
        entries.push_back(w.child ? ChildEntry(w.processId, text, record.className, handle)
                                  : TopLevelEntry(w.processId, text, record.className, handle));
        windows_.push_back(std::move(record));
    }
    ListBox7.SetItems(entries);
    Label37.SetText(std::to_string(ListBox7.Count()));
}

HWND ProcessListPage::SelectedWindow() const {
    const int p = ListBox7.ItemIndex();
    if (p < 0 || static_cast<size_t>(p) >= windows_.size()) return nullptr;
    return windows_[static_cast<size_t>(p)].handle;
}

void ProcessListPage::ListBox7Click() {
    const int p = ListBox7.ItemIndex();
    if (p < 0 || static_cast<size_t>(p) >= windows_.size()) return;
    const WindowRecord& record = windows_[static_cast<size_t>(p)];
    if (!record.handle) {
        for (ui::Edit* e : {&Edit4, &Edit5, &Edit6, &Edit7}) e->SetText("");
        return;
    }
    Edit4.SetText(UpperHex(reinterpret_cast<std::uintptr_t>(record.handle)));
    Edit5.SetText(UpperHex(record.windowProc));
    Edit6.SetText(ReadWindowText(record.handle));
    Edit7.SetText(ReadClassName(record.handle));
    Image1.SetIcon(WindowIcon(record.handle, ICON_BIG));
    Image2.SetIcon(WindowIcon(record.handle, ICON_SMALL));
    ::InvalidateRect(Image1.Handle(), nullptr, TRUE);
    ::InvalidateRect(Image2.Handle(), nullptr, TRUE);
}

void ProcessListPage::Button28Click() { RefreshWindowList(); }

void ProcessListPage::CheckBox1Click() { RefreshWindowList(); }

void ProcessListPage::Button30Click() {
    const int p = ListBox7.ItemIndex();
    if (p < 0) return;
    const std::string entry = ListBox7.Item(p);
    if (IsChildEntry(entry)) return;
    const std::optional<std::uint32_t> processId = EntryProcessId(entry);
    if (!processId) return;
    // Its own windows are listed too; ending them ends this very command.
    if (*processId == ::GetCurrentProcessId() &&
        !prompts_.Ask(Owner(),
                            "This process is Zarvik v1.1 itself: ending it ends the program. "
                            "Do you wish to end it",
                            kProductTitle))
        return;
    const char* message = "Could not open process requested!";
    switch (processes_->Terminate(*processId)) {
        case ProcessControl::KillResult::NotOpened:
            break;
        case ProcessControl::KillResult::Terminated:
            message = "Process successfully terminated!";
            break;
        case ProcessControl::KillResult::NotTerminated:
            message = "Could not end process specified!";
            break;
    }
    prompts_.Tell(Owner(), message, kProductTitle);
    RefreshWindowList();
}

void ProcessListPage::Button32Click() {
    if (!prompts_.Ask(Owner(), "Do you want to force windows Shutdown",
                            "Unsaved Data will be lost"))
        return;
    if (std::optional<std::string> refused = processes_->ForceShutdown())
        throw std::runtime_error(*refused);
}

// --- Window operations -------------------------------------------------------

void ProcessListPage::ShowSelected(int command) {
    if (HWND window = SelectedWindow()) ::ShowWindow(window, command);
}

void ProcessListPage::Button52Click() { ShowSelected(SW_MINIMIZE); }
void ProcessListPage::Button51Click() { ShowSelected(SW_SHOWMAXIMIZED); }
void ProcessListPage::Button50Click() { ShowSelected(SW_RESTORE); }
void ProcessListPage::Button37Click() { ShowSelected(SW_SHOW); }
void ProcessListPage::Button38Click() { ShowSelected(SW_HIDE); }

void ProcessListPage::Button35Click() {
    if (HWND window = SelectedWindow()) ::EnableWindow(window, TRUE);
}

void ProcessListPage::Button34Click() {
    if (HWND window = SelectedWindow()) ::EnableWindow(window, FALSE);
}

void ProcessListPage::Button36Click() {
    const int count = ListBox7.Count();
    int start = ListBox7.ItemIndex() + 1;
    if (start > count) start = count;
    const std::optional<size_t> found =
        FindEntry(ListBox7.Items(), static_cast<size_t>(start), Edit6.Text(), ui::AnsiUpperCase);
    if (!found) return;
    ListBox7.SetItemIndex(static_cast<int>(*found));
    prompts_.Tell(Owner(), "found", kProductTitle);
}

void ProcessListPage::Button31Click() {
    HWND window = SelectedWindow();
    if (!window) return;
    const std::string text = Edit6.Text();
    // The system's own handling: the caption changes without the window's
    // program being told.
    ::DefWindowProcA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ProcessListPage::Button49Click() {
    if (viewWindow_) viewWindow_(SelectedWindow());
}

namespace {

// The picture dialog offers bitmaps too: one becomes a wholly opaque icon of
// the size the window's icon has. Empty when the file is no bitmap either.
ui::IconHandle IconFromBitmapFile(const std::string& path, WPARAM which) {
    const int cx = ::GetSystemMetrics(which == ICON_BIG ? SM_CXICON : SM_CXSMICON);
    const int cy = ::GetSystemMetrics(which == ICON_BIG ? SM_CYICON : SM_CYSMICON);
    ui::BitmapHandle color(static_cast<HBITMAP>(
        ::LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, cx, cy, LR_LOADFROMFILE)));
    if (!color) return {};
    const std::vector<BYTE> opaque(static_cast<size_t>((cx + 15) / 16 * 2 * cy), 0);
    ui::BitmapHandle mask(::CreateBitmap(cx, cy, 1, 1, opaque.data()));
    ICONINFO info{TRUE, 0, 0, mask.Get(), color.Get()};
    return ui::IconHandle(::CreateIconIndirect(&info));
}

}  // namespace

void ProcessListPage::ChangeIcon(ui::Image& image, WPARAM which) {
    HWND window = SelectedWindow();
    if (!window) return;
    std::optional<std::string> path = prompts_.OpenPicture(Owner());
    if (!path) return;
    ui::IconHandle icon(static_cast<HICON>(
        ::LoadImageA(nullptr, path->c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
    if (!icon) icon = IconFromBitmapFile(*path, which);
    if (!icon) throw std::runtime_error("Icon image is not valid");
    image.SetIcon(std::move(icon));
    // The window gets a copy of its own that lives for the run: the picture's
    // icon is destroyed when the next one replaces it.
    givenIcons_.emplace_back(::CopyIcon(image.Icon()));
    ::DefWindowProcA(window, WM_SETICON, which, reinterpret_cast<LPARAM>(givenIcons_.back().Get()));
}

void ProcessListPage::Button39Click() { ChangeIcon(Image1, ICON_BIG); }
void ProcessListPage::Button47Click() { ChangeIcon(Image2, ICON_SMALL); }

void ProcessListPage::SaveIcon(const ui::Image& image) {
    HICON icon = image.Icon();
    if (!icon) return;
    FileDialogOptions options;
    options.filter = "Icon|*.ico";
    std::optional<std::string> path = prompts_.SaveFile(Owner(), options);
    if (!path) return;
    if (WriteWholeFile(*path, IconFileBytes(ReadIconImage(icon))) == WriteMethod::InPlace)
        prompts_.Tell(Owner(), InPlaceWriteText(*path), kProductTitle);
}

void ProcessListPage::Image1DblClick() { SaveIcon(Image1); }
void ProcessListPage::Image2DblClick() { SaveIcon(Image2); }

}  // namespace zarvik
