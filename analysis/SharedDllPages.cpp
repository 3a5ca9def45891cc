#include "analysis/SharedDllPages.h"

#include "shell/ProductTexts.h"

namespace zarvik {

std::vector<SharedDll> ReadSharedDlls(const RegistryAccessor& registry) {
    std::vector<SharedDll> dlls;
    for (RegistryView view : RegistryViews()) {
        const RegistryKey key = registry.OpenKey(
            HKEY_LOCAL_MACHINE, {"SOFTWARE", "Microsoft", "Windows", "CurrentVersion", "SharedDlls"},
            KEY_READ, view);
        for (const std::string& name : key.ValueNames())
            dlls.push_back({view == RegistryView::Wow32 ? name + kWow32Mark : name,
                            FileOfView(name, view)});
    }
    return dlls;
}

void SharedDllFilesPage::Create() {
    const ListPageLayout at(Area());
    ui::Lay(*this, Sheet(),
            {
                {Title, at.title, "SharedDLL Files", kPageTitle},
                {ListBox1, at.list, {.hScroll = true}, nullptr, &SharedDllFilesPage::ListBox1DblClick},
                {Memo7, at.description,
                 {"This list shows the files registered in the SharedDLLs",
                  " section of the registry.", "Double click on a file to view it in text form."},
                 kDescription},
                {Button12, at.report, "Generate Report", &SharedDllFilesPage::Button12Click},
            });
    ListBox1.Add(kNoItemsYet);
}

void SharedDllFilesPage::List(const std::vector<SharedDll>& dlls) {
    std::vector<std::string> entries;
    files_.clear();
    for (const SharedDll& dll : dlls) {
        entries.push_back(dll.entry);
        files_.push_back(dll.file);
    }
    ListBox1.SetItems(entries);
}

void SharedDllFilesPage::Button12Click() {
    reports_.AppendReportBlock("SharedDLL files:", ListBox1.Items());
}

void MissingSharedDllFilesPage::Create() {
    const ListPageLayout at(Area());
    ui::Lay(*this, Sheet(),
            {
                {Title, at.title, "Missing SharedDll Files", kPageTitle},
                {ListBox6, at.list, {.hScroll = true}},
                {Memo8, at.description,
                 {"This list shows all the files listed in SharedDLLs which are not present and ",
                  "may still be required for applications to run."},
                 kDescription},
                {Button13, at.report, "Generate Report", &MissingSharedDllFilesPage::Button13Click},
            });
    ListBox6.Add(kNoItemsYet);
}

void MissingSharedDllFilesPage::Button13Click() {
    reports_.AppendReportBlock("Missing SharedDLL files:", ListBox6.Items());
}

void SharedDllFilesPage::ListBox1DblClick() {
    const int index = ListBox1.ItemIndex();
    if (index >= 0 && ListBox1.Count() == static_cast<int>(files_.size()))
        viewer_.OpenInViewer(files_[static_cast<size_t>(index)]);
    else
        viewer_.OpenSelectedEntry(ListBox1);  // the line before the first analysis
}

}  // namespace zarvik
