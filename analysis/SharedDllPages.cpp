#include "analysis/SharedDllPages.h"

#include <string.h>

#include "app/Application.h"
#include "app/ProductTexts.h"
#include "inspect/Unit5.h"
#include "report/Unit2.h"
#include "ui/SystemFunction.h"

namespace zarvik {

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return _strnicmp(text.c_str(), prefix.c_str(), prefix.size()) == 0;
}

std::string WithSlash(const char* directory, UINT length) {
    return length && length < MAX_PATH ? std::string(directory, length) + "\\" : std::string();
}

// The file a registered name stands for, as this process opens it. Programs
// of the 32-bit view mean SysWOW64 where they write system32; the native
// view's system32 is the real one, which a 32-bit process reaches through
// Sysnative. Other folders, and the few below system32 that the system never
// redirects, are the same file in either view.
std::string FileOfView(const std::string& name, RegistryView view) {
    if (view == RegistryView::Default) return name;
    char buf[MAX_PATH];
    const std::string system = WithSlash(buf, ::GetSystemDirectoryA(buf, MAX_PATH));
    if (system.empty() || !StartsWith(name, system)) return name;
    const std::string rest = name.substr(system.size());
    for (const char* shared :
         {"catroot\\", "catroot2\\", "driverstore\\", "drivers\\etc\\", "logfiles\\", "spool\\"})
        if (StartsWith(rest, shared)) return name;
    if (view == RegistryView::Wow32) {
        auto* wow64 = ui::SystemFunction<UINT WINAPI(LPSTR, UINT)>("kernel32.dll",
                                                                  "GetSystemWow64DirectoryA");
        const std::string wow = wow64 ? WithSlash(buf, wow64(buf, MAX_PATH)) : std::string();
        return wow.empty() ? name : wow + rest;
    }
#ifdef _WIN64
    return name;
#else
    const size_t parent = system.find_last_of('\\', system.size() - 2);
    return system.substr(0, parent + 1) + "Sysnative\\" + rest;
#endif
}

}  // namespace

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
    app_.Form2().AppendReportBlock("SharedDLL files:", ListBox1.Items());
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
    app_.Form2().AppendReportBlock("Missing SharedDLL files:", ListBox6.Items());
}

void SharedDllFilesPage::ListBox1DblClick() {
    const int index = ListBox1.ItemIndex();
    if (index >= 0 && ListBox1.Count() == static_cast<int>(files_.size()))
        app_.Form5().OpenInViewer(files_[static_cast<size_t>(index)]);
    else
        app_.Form5().OpenSelectedEntry(ListBox1);  // the line before the first analysis
}

}  // namespace zarvik
