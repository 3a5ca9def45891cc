#include "filelist/OptionalDirectoriesPage.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/LogStore.h"
#include "filelist/CommandProgress.h"
#include "shell/FileProbe.h"

namespace zarvik {

namespace {

// The index behind `stem` in a name such as "Dir12" or "directory3" (the
// stem without regard to case, the index as written: no leading zeros).
std::optional<int> IndexAfter(std::string_view stem, std::string_view name) {
    if (name.size() <= stem.size() || name.size() > stem.size() + 10) return std::nullopt;
    for (size_t i = 0; i < stem.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(name[i])) != std::toupper(static_cast<unsigned char>(stem[i])))
            return std::nullopt;
    const std::string_view digits = name.substr(stem.size());
    int index = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (error != std::errc() || end != digits.data() + digits.size() || std::to_string(index) != digits)
        return std::nullopt;
    return index;
}

}  // namespace

int OptionalIndexesInUse(LogStore& log) {
    int used = 0;
    for (const std::string& key : log.ReadSectionKeys("Optional"))
        if (const auto i = IndexAfter("Directory", key)) used = std::max(used, *i + 1);
    for (const std::string& section : log.ReadSectionNames())
        if (const auto i = IndexAfter("Dir", section)) used = std::max(used, *i + 1);
    return used;
}

void OptionalDirectoriesPage::Create() {
    const int h = Area().h;
    using P = OptionalDirectoriesPage;
    ui::Lay(*this, Sheet(),
            {
                {Title, kPageTitleRect, "Optional Directories", kPageTitle},
                {ListBox11, {10, 40, 330, h - 48}, {.hScroll = true}},
                {Button1, {350, 40, 130, 25}, "<----Add Dir <----", &P::Button1Click},
                {Button2, {350, 72, 130, 25}, "Remove Dir", &P::Button2Click},
                {Button3, {350, 104, 130, 25}, "Clear All", &P::Button3Click},
                {Button5, {350, 136, 130, 25}, "Commit", &P::Button5Click},
                {Button33, {350, h - 40, 130, 25}, "Generate Report", &P::Button33Click},
                {Edit1, {490, 40, 285, 21}, "", {.readOnly = true}},
                {DirectoryListBox1, {490, 66, 285, h - 180}, &P::DirectoryListBox1Change},
                {Memo14, {490, h - 108, 285, 100},
                 {"Use this screen to select other directories to log.",
                  "This should be done before building the File List.  Once files are "
                  "selected, click on the  ",
                  "Commit Button and all previous optional file entries will be removed and "
                  "the file list section for ",
                  "Optional Files will be rebuilt."},
                 {.readOnly = true, .vScroll = true}},
            });
}

void OptionalDirectoriesPage::Start() {
    DirectoryListBox1.SetDirectory("C:\\");
    Edit1.SetText(DirectoryListBox1.Directory());
}

void OptionalDirectoriesPage::Button1Click() { ListBox11.Add(DirectoryListBox1.Directory()); }

void OptionalDirectoriesPage::Button2Click() {
    const int selected = ListBox11.ItemIndex();
    if (selected >= 0) ListBox11.Delete(selected);
}

void OptionalDirectoriesPage::Button3Click() { ListBox11.Clear(); }

void OptionalDirectoriesPage::Button5Click() {
    CommandProgress progress(context_, lists_, true);
    PlatformFileProber probe;
    LogStore& log = session_.LogFile();
    LogStore::Batch batch(log);
    const int old = static_cast<int>(
        std::min<int64_t>(log.ReadInteger("Optional", "Count", 0), OptionalIndexesInUse(log)));
    for (int i = 0; i < old; ++i) {
        log.EraseSection("Dir" + std::to_string(i));
        log.EraseSection(TimesSection("Dir" + std::to_string(i)));
    }
    log.EraseSection("Optional");
    const std::vector<std::string> directories = ListBox11.Items();
    const int n = static_cast<int>(directories.size());
    log.WriteString("Optional", "Count", std::to_string(n));
    for (int i = 0; i < n; ++i)
        log.WriteString("Optional", "Directory" + std::to_string(i), directories[static_cast<size_t>(i)]);
    // A directory that has gone is skipped and noted; its "Directory" key stays.
    for (int i = 0; i < n; ++i)
        LogDirectory(log, {directories[static_cast<size_t>(i)] + "\\", "Dir" + std::to_string(i), true},
                     progress, probe, progress);

    progress.Finish();
    status_.SetStatus("<------FileList Appended----->");
    if (reloadLogView_) reloadLogView_();
    progress.TellUnentered(" and were not logged");
}

void OptionalDirectoriesPage::Button33Click() {
    reports_.AppendReportBlock("Optional directories logged:", ListBox11.Items());
}

void OptionalDirectoriesPage::DirectoryListBox1Change() {
    Edit1.SetText(DirectoryListBox1.Directory());
}

}  // namespace zarvik
