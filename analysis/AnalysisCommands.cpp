// Analyze FileList, the Shared DLL check and Export Results.
#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "analysis/AnalysisCommands.h"
#include "analysis/ChangeRules.h"
#include "analysis/ChangeWalk.h"
#include "analysis/SharedDllPages.h"
#include "core/LogLayout.h"
#include "core/LogStore.h"
#include "core/TreeWalk.h"
#include "filelist/FileListCommands.h"
#include "filelist/ListPages.h"
#include "filelist/ResultPages.h"
#include "platform/FileNames.h"
#include "shell/FileProbe.h"
#include "shell/ProductTexts.h"

namespace zarvik {

namespace {

// A size in K as the result lists show it. The separator is read for every
// entry, so a change in the regional settings shows at once.
std::string SizeText(int64_t bytes) {
    char separator[8] = ",";
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, sizeof separator) <= 0)
        lstrcpyA(separator, ",");
    return GroupThousands(SizeInK(bytes), separator);
}

// Analyze's findings into the result lists, sizes in K, each with its facts.
class ResultLists final : public ChangeSink {
public:
    ResultLists(CommandProgress& progress, const CommandLists& lists)
        : progress_(progress), lists_(lists) {}

    void Walking(std::string_view path) override { progress_.Status(path); }
    void ZeroLength(const std::string& path, const FileMeasure& file) override {
        progress_.ZeroLength(path, file);
    }
    void Added(const Finding& file) override {
        progress_.Append(lists_.added, SizedEntry(file.path, SizeText(file.now.size)),
                         Row(FilesAddedPage::kCaption, file, {}));
    }
    void Changed(const Finding& file) override {
        const std::string mark =
            ChangeMarks(file.moved, CompareVersionTexts(file.now.version, file.loggedVersion));
        progress_.Append(lists_.changed,
                         SizedEntry(file.path, SizeText(file.now.size)).append(mark),
                         Row(FilesChangedPage::kCaption, file, mark));
    }
    void Deleted(const Finding& file) override {
        progress_.Append(lists_.deleted, file.path, Row(FilesDeletedPage::kCaption, file, {}));
    }

private:
    static ResultRow Row(const char* list, const Finding& file, std::string_view mark) {
        return {.list = list,
                .path = file.path,
                .size = file.now.size,
                .previousSize = Recorded(file.loggedSize),
                .time = Recorded(file.now.writeTime),
                .previousTime = Recorded(file.loggedTime),
                .version = Recorded(file.now.version),
                .previousVersion = Recorded(file.loggedVersion),
                .note = NoteOfMark(mark)};
    }

    CommandProgress& progress_;
    const CommandLists& lists_;
};

// The findings of one optional directory but those in a folder that an
// earlier directory of the log reaches too, which reported them already.
// A tree takes the folders of any earlier entry that reaches them; a single
// directory only those of an earlier tree, so two entries of one directory
// without subdirectories are both reported, as they always were.
class FirstReach final : public ChangeSink {
public:
    FirstReach(ChangeSink& sink, std::vector<ChosenDirectory> before, size_t index)
        : sink_(sink), before_(std::move(before)), index_(index) {}

    void Walking(std::string_view path) override { sink_.Walking(path); }
    void ZeroLength(const std::string& path, const FileMeasure& file) override {
        if (Own(path)) sink_.ZeroLength(path, file);
    }
    void Added(const Finding& file) override {
        if (Own(file.path)) sink_.Added(file);
    }
    void Changed(const Finding& file) override {
        if (Own(file.path)) sink_.Changed(file);
    }
    void Deleted(const Finding& file) override {
        if (Own(file.path)) sink_.Deleted(file);
    }

private:
    // A tree's paths come folder by folder: the last folder's answer is kept.
    bool Own(const std::string& path) {
        const std::string_view folder = std::string_view(path).substr(0, path.find_last_of('\\') + 1);
        if (folder != folder_) {
            folder_.assign(folder);
            own_ = !ReachedBefore(before_, index_, folder);
        }
        return own_;
    }

    ChangeSink& sink_;
    const std::vector<ChosenDirectory> before_;
    const size_t index_;
    std::string folder_ = "\n";  // no path's folder
    bool own_ = true;
};

void CheckSharedDlls(const Session& session, const AnalysisLists& lists, CommandProgress& progress) {
    AnalysisResults& results = lists.files.results;
    const std::vector<SharedDll> dlls = ReadSharedDlls(session.Registry());
    lists.sharedDlls.List(dlls);
    results.Clear(SharedDllFilesPage::kCaption);
    for (const SharedDll& dll : dlls) {
        progress.Status(dll.entry);
        // The presence test's open gives the size and time as well.
        const FileMeasure file = ProbeFile(dll.file);
        ResultRow row{.list = SharedDllFilesPage::kCaption,
                      .path = dll.file,
                      .size = file.size,
                      .time = Recorded(file.writeTime),
                      .note = NoteOfMark(dll.mark)};
        results.Keep(row);
        if (file.size >= 0) continue;
        row.list = MissingSharedDllFilesPage::kCaption;
        progress.Append(lists.missingDlls, dll.entry, std::move(row));
    }
}

}  // namespace

void AnalyzeFileList(const PageContext& context, const AnalysisLists& lists) {
    const Session& session = context.session;
    const CommandLists& files = lists.files;
    CommandProgress progress(context, files, true);
    ResultLists results(progress, files);
    PlatformFileProber probe;
    ClearChangeLists(files, progress);
    progress.Clear(lists.missingDlls, MissingSharedDllFilesPage::kCaption);
    CheckSharedDlls(session, lists, progress);

    // Held open for the whole comparison: one log lookup per file then costs
    // no path lookup of its own.
    LogStore& log = session.LogFile();
    LogStore::Batch batch(log);

    // The disk as it is now: what an installation added since start-up must
    // be listed as added. A log made on 32-bit Windows, or before the 32-bit
    // System directory was logged, has no record of it: its files are not
    // all new. A Build that found it empty left a record all the same.
    std::vector<ListedDirectory> directories = MainDirectories(session, files);
    if (!HoldsDirectory(log, kSystemWow64Section))
        std::erase_if(directories, [](const ListedDirectory& d) {
            return d.logged.section == kSystemWow64Section;
        });
    for (const ListedDirectory& d : directories) {
        FileListLister lister(*d.list);
        CompareDirectory(log, d.logged, lister, probe, results);
    }
    for (const ListedDirectory& d : directories)
        lists.logKeys.SetItems(FindDeleted(log, d.logged.section, d.logged.directory, probe, results));

    const std::vector<OptionalDirectory> optional = ReadOptionalDirectories(log);
    for (size_t i = 0; i < optional.size(); ++i) {
        const OptionalDirectory& d = optional[i];
        std::vector<ChosenDirectory> before;
        bool reachable = false;
        for (size_t j = 0; j < i; ++j) {
            const bool takes = d.subdirectories || optional[j].subdirectories;
            before.push_back({takes ? optional[j].directory : "", optional[j].subdirectories});
            reachable = reachable || (takes && !optional[j].directory.empty());
        }
        FirstReach once(results, std::move(before), i);
        ChangeSink& sink = reachable ? static_cast<ChangeSink&>(once) : results;
        // The keys are full paths; a directory that has gone lists them all.
        lists.logKeys.SetItems(FindDeleted(log, d.section, "", probe, sink));
        // A damaged entry names no directory: nothing to compare its keys with.
        if (d.directory.empty()) continue;
        const LoggedDirectory logged{d.directory + "\\", d.section, true};
        if (d.subdirectories) {
            TreeListLister tree(progress);
            CompareDirectory(log, logged, tree, probe, sink);
        } else {
            CompareDirectory(log, logged, progress, probe, sink);
        }
    }

    progress.Finish();
    context.status.SetStatus("<------FileList Analyzed----->");
    progress.TellUnentered("; their logged files are listed as deleted");
}

void ExportResults(const PageContext& context, const AnalysisResults& results) {
    FileDialogOptions options;
    options.filter = "CSV Files (*.csv)|*.csv";
    options.defaultExt = "csv";
    const HWND owner = context.owner.Handle();
    const auto file = context.prompts.SaveFile(owner, options);
    if (!file) return;
    static constexpr std::string_view kPageOrder[] = {
        ZeroLengthFilesPage::kCaption, FilesAddedPage::kCaption,
        FilesDeletedPage::kCaption,    FilesChangedPage::kCaption,
        SharedDllFilesPage::kCaption,  MissingSharedDllFilesPage::kCaption};
    const std::string csv = ResultsCsv(results.Rows(kPageOrder), platform::AnsiToUtf8);
    if (WriteWholeFile(*file, csv) == WriteMethod::InPlace)
        context.prompts.Tell(owner, InPlaceWriteText(*file), kProductTitle);
}

}  // namespace zarvik
