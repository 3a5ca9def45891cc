#pragma once
// The "Shared DLL Files" and "Missing Shared DLL Files" pages, which the
// Shared DLL check of Analyze FileList fills.
#include "app/Page.h"

namespace zarvik {

class SharedDllFilesPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "Shared DLL Files";
    using NotebookPage::NotebookPage;
    void Create() override;

    ui::Label Title;
    ui::ListBox ListBox1;
    ui::Memo Memo7;
    ui::Button Button12;  // Generate Report

    void Button12Click();
    void ListBox1DblClick();
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
