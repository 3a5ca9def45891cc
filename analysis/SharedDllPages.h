#pragma once
// The "Shared DLL Files" and "Missing Shared DLL Files" pages, which the
// Shared DLL check of Analyze FileList fills.
#include <string>
#include <vector>

#include "shell/Page.h"
#include "shell/Registry.h"

namespace zarvik {

// One value of a SharedDlls key: its line on the two pages (the name as
// stored, marked when it is the 32-bit view's) and the file it stands for.
struct SharedDll {
    std::string entry;
    std::string file;
};

// Every shared DLL registered on this machine, in enumeration order, the
// native view's before the 32-bit view's. A key that does not open whole
// adds nothing, never a parent's values.
std::vector<SharedDll> ReadSharedDlls(const RegistryAccessor& registry);

class SharedDllFilesPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "Shared DLL Files";
    using NotebookPage::NotebookPage;
    void Create() override;

    ui::Label Title;
    ui::ListBox ListBox1;
    ui::Memo Memo7;
    ui::Button Button12;  // Generate Report

    // Fills ListBox1; a double-click opens the file an entry stands for.
    void List(const std::vector<SharedDll>& dlls);

    void Button12Click();
    void ListBox1DblClick();

private:
    std::vector<std::string> files_;  // parallel to ListBox1 once listed
};

class MissingSharedDllFilesPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "Missing Shared DLL Files";
    using NotebookPage::NotebookPage;
    void Create() override;

    ui::Label Title;
    ui::ListBox ListBox6;
    ui::Memo Memo8;
    ui::Button Button13;  // Generate Report

    void Button13Click();
};

}  // namespace zarvik
