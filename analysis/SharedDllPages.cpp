#include "analysis/SharedDllPages.h"

#include "shell/ProductTexts.h"

namespace zarvik {

std::vector<SharedDll> ReadSharedDlls(const RegistryAccessor& registry) {
    std::vector<SharedDll> dlls;
    for (RegistryView view : RegistryViews()) {
        const RegistryKey key = registry.OpenKey(
            HKEY_LOCAL_MACHINE, {"SOFTWARE", "Microsoft", "Windows", "CurrentVersion", "SharedDlls"},
            KEY_READ, view);
        const std::string_view mark = view == RegistryView::Wow32 ? kWow32Mark : "";
        for (const std::string& name : key.ValueNames())
            dlls.push_back({name + std::string(mark), FileOfView(name, view), mark});
    }
    return dlls;
}

namespace {

const ListPageDescriptor kSharedDllFiles{
    "SharedDLL Files",
    {"This list shows the files registered in the SharedDLLs", " section of the registry.",
     kDoubleClickToView},
    "SharedDLL files:",
    ListPageDescriptor::Opens::SelectedEntry};

const ListPageDescriptor kMissingSharedDllFiles{
    "Missing SharedDll Files",
    {"This list shows all the files listed in SharedDLLs which are not present and ",
     "may still be required for applications to run."},
    "Missing SharedDLL files:"};

}  // namespace

SharedDllFilesPage::SharedDllFilesPage(const PageContext& context, ui::TabSheet& sheet)
    : ListPage(context, sheet, kSharedDllFiles) {}

MissingSharedDllFilesPage::MissingSharedDllFilesPage(const PageContext& context,
                                                     ui::TabSheet& sheet)
    : ListPage(context, sheet, kMissingSharedDllFiles) {}

void SharedDllFilesPage::List(const std::vector<SharedDll>& dlls) {
    std::vector<std::string> entries;
    files_.clear();
    for (const SharedDll& dll : dlls) {
        entries.push_back(dll.entry);
        files_.push_back(dll.file);
    }
    ListBox1.SetItems(entries);
}

void SharedDllFilesPage::OpenEntry() {
    const int index = ListBox1.ItemIndex();
    if (index >= 0 && ListBox1.Count() == static_cast<int>(files_.size()))
        viewer_.OpenInViewer(files_[static_cast<size_t>(index)]);
    else
        ListPage::OpenEntry();  // the line before the first analysis
}

}  // namespace zarvik
