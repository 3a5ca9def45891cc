#pragma once
// One list page for the nine pages that are a title, a list, a description
// and a Generate Report button (Windows Files, the result pages, the Shared
// DLL pages...). A page is this class with its descriptor and its designed
// control names; what differs is in the descriptor.
#include <string>
#include <type_traits>
#include <vector>

#include "shell/Page.h"
#include "shell/ProductTexts.h"

namespace zarvik {

struct ListPageDescriptor {
    // What a double-click on an entry opens in the File Viewer.
    enum class Opens {
        Nothing,
        SelectedFile,    // a file list's directory and the name
        SelectedEntry,   // the entry's text as it stands
        ListEntryPath,   // the path of a "path = size" result entry
    };
    const char* title;
    std::vector<std::string> description;
    const char* reportHeading;  // of the page's report block
    Opens opens = Opens::Nothing;
};

inline constexpr const char* kDoubleClickToView = "Double click on a file to view it in text form.";

// `List` is ui::FileListBox (a directory's files) or ui::ListBox (results,
// which start with kNoItemsYet until a command fills them).
template <class List>
class ListPage : public NotebookPage {
public:
    ListPage(const PageContext& context, ui::TabSheet& sheet, const ListPageDescriptor& descriptor)
        : NotebookPage(context, sheet), descriptor_(descriptor) {}

    void Create() override {
        const ListPageLayout at(Area());
        using P = ListPage;
        const auto open = descriptor_.opens == Opens::Nothing ? nullptr : &P::OpenEntry;
        if constexpr (std::is_same_v<List, ui::FileListBox>) {
            ui::Lay(*this, Sheet(),
                    {
                        {Title, at.title, descriptor_.title, kPageTitle},
                        {Entries, at.list, nullptr, open},
                        {Description, at.description, descriptor_.description, kDescription},
                        {Report, at.report, "Generate Report", &P::GenerateReport},
                    });
        } else {
            ui::Lay(*this, Sheet(),
                    {
                        {Title, at.title, descriptor_.title, kPageTitle},
                        {Entries, at.list, {.hScroll = true}, nullptr, open},
                        {Description, at.description, descriptor_.description, kDescription},
                        {Report, at.report, "Generate Report", &P::GenerateReport},
                    });
            Entries.Add(kNoItemsYet);
        }
    }

    ui::Label Title;
    List Entries;
    ui::Memo Description;
    ui::Button Report;  // Generate Report

    void GenerateReport() { reports_.AppendReportBlock(descriptor_.reportHeading, Entries.Items()); }

    virtual void OpenEntry() {
        switch (descriptor_.opens) {
            case Opens::Nothing: break;
            case Opens::SelectedFile:
                if constexpr (std::is_same_v<List, ui::FileListBox>) viewer_.OpenSelectedFile(Entries);
                break;
            case Opens::SelectedEntry:
                if constexpr (std::is_same_v<List, ui::ListBox>) viewer_.OpenSelectedEntry(Entries);
                break;
            case Opens::ListEntryPath:
                if constexpr (std::is_same_v<List, ui::ListBox>) viewer_.OpenSelectedListEntry(Entries);
                break;
        }
    }

private:
    using Opens = ListPageDescriptor::Opens;
    const ListPageDescriptor& descriptor_;
};

}  // namespace zarvik
