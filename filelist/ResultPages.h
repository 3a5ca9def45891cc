#pragma once
// The result pages that Build FileList and Commit empty or fill as well as
// Analyze FileList: Zero Length Files, Files Added, Files Deleted and Files
// Changed. (The analysis builds on this folder, so they live here.) Each is
// a list page (shell/ListPage.h) under its designed names.
#include "shell/ListPage.h"

namespace zarvik {

class ZeroLengthFilesPage final : public ListPage<ui::ListBox> {
public:
    static constexpr const char* kCaption = "Zero Length Files";
    ZeroLengthFilesPage(const PageContext& context, ui::TabSheet& sheet);

    ui::ListBox& ListBox8 = Entries;
    ui::Memo& Memo3 = Description;
    ui::Button& Button8 = Report;  // Generate Report

    void Button8Click() { GenerateReport(); }
};

class FilesAddedPage final : public ListPage<ui::ListBox> {
public:
    static constexpr const char* kCaption = "Files Added";
    FilesAddedPage(const PageContext& context, ui::TabSheet& sheet);

    ui::ListBox& ListBox4 = Entries;
    ui::Memo& Memo4 = Description;
    ui::Button& Button9 = Report;  // Generate Report

    void Button9Click() { GenerateReport(); }
    void ListBox4DblClick() { OpenEntry(); }
};

class FilesDeletedPage final : public ListPage<ui::ListBox> {
public:
    static constexpr const char* kCaption = "Files Deleted";
    FilesDeletedPage(const PageContext& context, ui::TabSheet& sheet);

    ui::ListBox& ListBox2 = Entries;
    ui::Memo& Memo5 = Description;
    ui::Button& Button10 = Report;  // Generate Report

    void Button10Click() { GenerateReport(); }
};

class FilesChangedPage final : public ListPage<ui::ListBox> {
public:
    static constexpr const char* kCaption = "Files Changed";
    FilesChangedPage(const PageContext& context, ui::TabSheet& sheet);

    ui::ListBox& ListBox3 = Entries;
    ui::Memo& Memo6 = Description;
    ui::Button& Button11 = Report;  // Generate Report

    void Button11Click() { GenerateReport(); }
    void ListBox3DblClick() { OpenEntry(); }
};

}  // namespace zarvik
