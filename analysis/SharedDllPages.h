#pragma once
// The "Shared DLL Files" and "Missing Shared DLL Files" pages, which the
// Shared DLL check of Analyze FileList fills.
#include <string>
#include <string_view>
#include <vector>

#include "shell/ListPage.h"
#include "shell/Registry.h"

namespace zarvik {

// One value of a SharedDlls key: its line on the two pages (the name as
// stored, marked when it is the 32-bit view's) and the file it stands for.
struct SharedDll {
    std::string entry;
    std::string file;
    std::string_view mark;  // the view's mark on the line (kWow32Mark), or none
};

// Every shared DLL registered on this machine, in enumeration order, the
// native view's before the 32-bit view's. A key that does not open whole
// adds nothing, never a parent's values.
std::vector<SharedDll> ReadSharedDlls(const RegistryAccessor& registry);

// Each is a list page (shell/ListPage.h) under its designed names.
class SharedDllFilesPage final : public ListPage<ui::ListBox> {
public:
    static constexpr const char* kCaption = "Shared DLL Files";
    SharedDllFilesPage(const PageContext& context, ui::TabSheet& sheet);

    ui::ListBox& ListBox1 = Entries;
    ui::Memo& Memo7 = Description;
    ui::Button& Button12 = Report;  // Generate Report

    // Fills ListBox1; a double-click opens the file an entry stands for.
    void List(const std::vector<SharedDll>& dlls);
    void OpenEntry() override;

    void Button12Click() { GenerateReport(); }
    void ListBox1DblClick() { OpenEntry(); }

private:
    std::vector<std::string> files_;  // parallel to ListBox1 once listed
};

class MissingSharedDllFilesPage final : public ListPage<ui::ListBox> {
public:
    static constexpr const char* kCaption = "Missing Shared DLL Files";
    MissingSharedDllFilesPage(const PageContext& context, ui::TabSheet& sheet);

    ui::ListBox& ListBox6 = Entries;
    ui::Memo& Memo8 = Description;
    ui::Button& Button13 = Report;  // Generate Report

    void Button13Click() { GenerateReport(); }
};

}  // namespace zarvik
