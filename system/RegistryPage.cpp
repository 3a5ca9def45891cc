#include "system/RegistryPage.h"

#include <algorithm>
#include <string_view>

#include "shell/FileProbe.h"
#include "shell/ProductTexts.h"
#include "core/TextHelpers.h"
#include "shell/Registry.h"

namespace zarvik {

namespace {

constexpr const char* kRun = "Run";
constexpr const char* kRunOnce = "RunOnce";
constexpr const char* kRunServices = "RunServices";
constexpr const char* kServices = "SYSTEM\\CurrentControlSet\\Services";

RegistryKey OpenStartupKey(const RegistryAccessor& registry, const char* last, REGSAM access,
                           RegistryView view) {
    return registry.OpenKey(HKEY_LOCAL_MACHINE,
                            {"SOFTWARE", "Microsoft", "Windows", "CurrentVersion", last}, access,
                            view);
}

RegistryKey OpenShellOpenCommand(const RegistryAccessor& registry, REGSAM access = KEY_READ) {
    return registry.OpenKey(HKEY_CLASSES_ROOT, {"exefile", "shell", "open", "command"}, access);
}

// The message of a value a rebuild leaves out, kept once.
void Note(std::vector<std::string>& skipped, const RegistryDataTypeError& e) {
    if (std::find(skipped.begin(), skipped.end(), e.what()) == skipped.end())
        skipped.emplace_back(e.what());
}

const std::vector<std::string> kHelpText = {
    "This Sheet lists all the services configured to ",
    "automatically run in the registrjy. Click on the ",
    "Service to view its file and path details.",
    "Right Click on the selected service to ",
    "remove it from the Registry Section",
    "Double Click on the path to view the file.",
};

}  // namespace

void RegistryPage::Create() {
    const int h = Area().h;
    const int listHeight = std::max(60, h / 2 - 80);
    const int editTop = 22 + listHeight + 4;
    const int lower = editTop + 30;
    using P = RegistryPage;
    ui::Lay(*this, Sheet(),
            {
                {RunLabel, {10, 4, 250, 16}, "Run"},
                {ListBox10, {10, 22, 250, listHeight}, {.hScroll = true}, &P::ListBox10Click,
                 &P::Edit9DblClick},
                {Edit9, {10, editTop, 250, 21}, "", {.readOnly = true}, nullptr, &P::Edit9DblClick},
                {RunOnceLabel, {270, 4, 250, 16}, "RunOnce"},
                {ListBox12, {270, 22, 250, listHeight}, {.hScroll = true}, &P::ListBox12Click,
                 &P::Edit10DblClick},
                {Edit10, {270, editTop, 250, 21}, "", {.readOnly = true}, nullptr,
                 &P::Edit10DblClick},
                {RunServicesLabel, {530, 4, 245, 16}, "RunServices"},
                {ListBox13, {530, 22, 245, listHeight}, {.hScroll = true}, &P::ListBox13Click,
                 &P::Edit12DblClick},
                {Edit12, {530, editTop, 245, 21}, "", {.readOnly = true}, nullptr,
                 &P::Edit12DblClick},
                {ShellApplicationsLabel, {10, lower, 440, 16}, "Registry Shell applications"},
                {ListBox14, {10, lower + 18, 440, h - lower - 32}, {.hScroll = true}, nullptr,
                 &P::ListBox14DblClick},
                {ShellOpenCommandLabel, {460, lower, 315, 16}, "Shell Open Command"},
                {Edit11, {460, lower + 18, 315, 21}, ""},
                {Button16, {460, lower + 44, 75, 25}, "Repair", &P::Button16Click},
                {Button29, {545, lower + 44, 90, 25}, "Refresh Lists", &P::Button29Click},
                {Button54, {645, lower + 44, 130, 25}, "Generate Report", &P::Button54Click},
                {Memo11, {460, lower + 76, 315, h - lower - 90}, kHelpText,
                 {.readOnly = true, .vScroll = false}},
            });
    PopupMenu1.AddItem("Remove Selected", [this] { RemoveSelected1Click(); });
    PopupMenu2.AddItem("Remove Selected", [this] { RemoveSelected2Click(); });
    PopupMenu3.AddItem("RemoveSelected", [this] { RemoveSelected3Click(); });
    ListBox10.SetPopupMenu(&PopupMenu1);
    ListBox12.SetPopupMenu(&PopupMenu2);
    ListBox13.SetPopupMenu(&PopupMenu3);
    Sheet().OnEnter = [this] { TabSheet14Show(); };
}

void RegistryPage::TabSheet14Show() { RebuildRegistryLists(); }

void RegistryPage::Button29Click() { RebuildRegistryLists(); }

void RegistryPage::RebuildRegistryLists() {
    for (ui::ListBox* list : {&ListBox10, &ListBox12, &ListBox13, &ListBox14}) list->Clear();
    services_.Clear();
    for (ui::Edit* field : {&Edit9, &Edit10, &Edit11, &Edit12}) field->SetText("");
    const RegistryAccessor& registry = session_.Registry();
    std::vector<std::string> skipped;

    ListShellApplications(ListBox14, skipped);
    ListStartupKey(ListBox10, kRun, runEntries_);
    ListStartupKey(ListBox12, kRunOnce, runOnceEntries_);
    ListStartupKey(ListBox13, kRunServices, runServicesEntries_);
    try {
        Edit11.SetText(OpenShellOpenCommand(registry).ReadString("").value_or(""));
    } catch (const RegistryDataTypeError& e) {
        Note(skipped, e);
    }

    std::vector<std::string> entries;
    const std::string base = std::string(kServices) + "\\";
    // Services are the native system's, whichever build asks.
    const RegistryView native = NativeRegistryView();
    for (const std::string& name :
         registry.OpenPath(HKEY_LOCAL_MACHINE, kServices, KEY_READ, native).SubkeyNames()) {
        try {
            const std::string image = registry.OpenPath(HKEY_LOCAL_MACHINE, base + name, KEY_READ, native)
                                          .ReadString("ImagePath")
                                          .value_or("");
            if (!image.empty()) entries.push_back(name + ":  " + image);
        } catch (const RegistryDataTypeError& e) {
            Note(skipped, e);
        }
    }
    services_.Show(entries);

    // Told once the lists are whole, so the page behind the message is too.
    for (const std::string& message : skipped) ShowError(message);
}

void RegistryPage::ListStartupKey(ui::ListBox& list, const char* key, StartupEntries& entries) {
    entries.clear();
    std::vector<std::string> lines;
    for (RegistryView view : RegistryViews()) {
        for (std::string& name : OpenStartupKey(session_.Registry(), key, KEY_READ, view).ValueNames()) {
            lines.push_back(view == RegistryView::Wow32 ? name + kWow32Mark : name);
            entries.push_back({std::move(name), view});
        }
    }
    list.SetItems(lines);
}

RegistryPage::StartupEntry RegistryPage::EntryAt(const ui::ListBox& list,
                                                 const StartupEntries& entries, int index) {
    if (static_cast<size_t>(index) < entries.size() && list.Count() == static_cast<int>(entries.size()))
        return entries[static_cast<size_t>(index)];
    return {list.Item(index), RegistryViews().front()};
}

void RegistryPage::ListShellApplications(ui::ListBox& list) {
    std::vector<std::string> skipped;
    ListShellApplications(list, skipped);
    for (const std::string& message : skipped) ShowError(message);
}

void RegistryPage::ListShellApplications(ui::ListBox& list, std::vector<std::string>& skipped) {
    const RegistryAccessor& registry = session_.Registry();
    std::vector<std::string> entries;
    // The command key of each class opened with its whole path: the same
    // outcome as part by part, at one call instead of four for each of the
    // thousands of classes.
    for (const std::string& name : registry.OpenPath(HKEY_CLASSES_ROOT, "").SubkeyNames()) {
        const RegistryKey command =
            registry.OpenPath(HKEY_CLASSES_ROOT, name + "\\shell\\open\\command");
        if (!command) continue;
        try {
            if (auto text = command.ReadString("")) entries.push_back(name + ":    " + *text);
        } catch (const RegistryDataTypeError& e) {
            Note(skipped, e);
        }
    }
    list.SetItems(entries);
}

void RegistryPage::ShowSelectedValue(const ui::ListBox& list, const StartupEntries& entries,
                                     const char* key, ui::Edit& field, RegistryView& shown) {
    const int index = list.ItemIndex();
    if (index < 0) return;
    const StartupEntry entry = EntryAt(list, entries, index);
    field.SetText("");
    shown = entry.view;
    field.SetText(
        OpenStartupKey(session_.Registry(), key, KEY_READ, entry.view).ReadString(entry.name).value_or(""));
}

void RegistryPage::ListBox10Click() {
    ShowSelectedValue(ListBox10, runEntries_, kRun, Edit9, edit9View_);
}
void RegistryPage::ListBox12Click() {
    ShowSelectedValue(ListBox12, runOnceEntries_, kRunOnce, Edit10, edit10View_);
}
void RegistryPage::ListBox13Click() {
    ShowSelectedValue(ListBox13, runServicesEntries_, kRunServices, Edit12, edit12View_);
}

void RegistryPage::RemoveSelected(const ui::ListBox& list, const StartupEntries& entries,
                                  const char* key) {
    const int index = list.ItemIndex();
    if (index < 0) return;
    const StartupEntry entry = EntryAt(list, entries, index);
    if (!prompts_.Ask(Owner(), "Do you wish to Delete this entry", kProductTitle))
        return;
    // Whether it went shows in the rebuilt list.
    OpenStartupKey(session_.Registry(), key, KEY_SET_VALUE, entry.view).DeleteValue(entry.name);
    RebuildRegistryLists();
}

void RegistryPage::RemoveSelected1Click() { RemoveSelected(ListBox10, runEntries_, kRun); }
void RegistryPage::RemoveSelected2Click() { RemoveSelected(ListBox12, runOnceEntries_, kRunOnce); }
void RegistryPage::RemoveSelected3Click() {
    RemoveSelected(ListBox13, runServicesEntries_, kRunServices);
}

void RegistryPage::Button16Click() {
    // An empty field is what a failed read leaves; written back, no program
    // would start from the shell any more.
    const std::string command = Edit11.Text();
    if (Trimmed(command).empty()) {
        prompts_.Tell(Owner(),
                            "The Shell Open Command is empty: nothing was written", kProductTitle);
        return;
    }
    const RegistryKey key = OpenShellOpenCommand(session_.Registry(), KEY_SET_VALUE);
    if (key) key.WriteString("", command);
}

void RegistryPage::OpenStartupFile(const ui::Edit& field, RegistryView view) {
    const std::string text = field.Text();
    if (text.empty()) return;
    const std::string name = CommandPath(text);
    std::string path = FileOfView(name, view);
    // A bare name in a start-up entry is found in the System directory of
    // its view's programs.
    if (!FilePresent(path)) {
        const std::string wow = view == RegistryView::Wow32 ? Wow64SystemDirectory() : "";
        path = (wow.empty() ? session_.SystemPath() : wow) + name;
    }
    viewer_.OpenInViewer(path);
}

void RegistryPage::Edit9DblClick() { OpenStartupFile(Edit9, edit9View_); }
void RegistryPage::Edit10DblClick() { OpenStartupFile(Edit10, edit10View_); }
void RegistryPage::Edit12DblClick() { OpenStartupFile(Edit12, edit12View_); }

void RegistryPage::ListBox14DblClick() {
    const int index = ListBox14.ItemIndex();
    if (index < 0) return;
    viewer_.OpenInViewer(CommandPath(Trimmed(TextAfter(ListBox14.Item(index), ":"))));
}

}  // namespace zarvik
