#include "core/FileWalk.h"

#include <cstdint>
#include <utility>

#include "core/LogLayout.h"
#include "core/LogStore.h"

namespace zarvik {

namespace {

// The log's own file, where the walk meets it, measured as a write per file
// would have left it: the sizes measured before it written first.
class WrittenBeforeTheLog final : public FileProber {
public:
    WrittenBeforeTheLog(FileProber& probe, const LogStore& log, std::function<void()> write)
        : probe_(probe), log_(log), write_(std::move(write)) {}
    FileMeasure Measure(const std::string& path) override {
        if (log_.IsLogFile(path)) write_();
        return probe_.Measure(path);
    }
    bool Present(const std::string& path) override { return probe_.Present(path); }
    bool OnFatVolume(const std::string& directory) override { return probe_.OnFatVolume(directory); }

private:
    FileProber& probe_;
    const LogStore& log_;
    std::function<void()> write_;
};

}  // namespace

void MeasureFiles(const std::string& prefix, const std::vector<std::string>& names,
                  bool keyIsPath, FileProber& probe, WalkSink& sink, const Measured& measured) {
    for (const std::string& name : names) {
        const std::string path = prefix + name;
        sink.Walking(path);
        const FileMeasure file = probe.Measure(path);
        if (file.size == 0) sink.ZeroLength(path, file);
        measured(path, keyIsPath ? path : name, file);
    }
}

bool LogDirectory(LogStore& log, const LoggedDirectory& directory, DirectoryLister& lister,
                  FileProber& probe, WalkSink& sink) {
    const std::optional<Listing> listing = lister.ListFiles(directory.directory);
    if (!listing) return false;
    // A new log grows at its end, its sizes written as the walk goes, a
    // piece at a time: a write per file would cost as much as the probe.
    // A log built before has the section in its middle, where every write
    // moves the rest of the file: its sizes go in at once.
    const size_t piece = log.AddsAtEnd(directory.section) ? kSizesPerWrite : SIZE_MAX;
    std::vector<std::pair<std::string, int64_t>> sizes, times;
    std::vector<std::pair<std::string, std::string>> versions;
    // A log built before may hold a version for a file that has none now:
    // that entry is emptied, so it is not taken for the file's version.
    const std::string versionsSection = VersionsSection(directory.section);
    const bool versionsLogged = !log.ReadSectionKeys(versionsSection).empty();
    bool anySize = false;
    const auto writeSizes = [&] {
        try {
            log.WriteIntegers(directory.section, sizes);
        } catch (const LogWriteError&) {
            for (const auto& [key, size] : sizes) {
                sink.Walking(directory.keyIsPath ? key : directory.directory + key);
                log.WriteInteger(directory.section, key, size);
            }
        }
        sizes.clear();
    };
    WrittenBeforeTheLog measure(probe, log, writeSizes);
    // Keys as the log names the directory, whatever form the listing gave it.
    MeasureFiles(directory.directory, listing->names, directory.keyIsPath, measure, sink,
                 [&](const std::string&, const std::string& key, const FileMeasure& file) {
                     if (file.size == 0) return;
                     sizes.emplace_back(key, file.size);
                     anySize = true;
                     // A file that could not be opened has no time to record.
                     if (file.writeTime != 0) times.emplace_back(key, file.writeTime);
                     if (!file.version.empty())
                         versions.emplace_back(key, file.version);
                     else if (versionsLogged && !log.ReadString(versionsSection, key, "").empty())
                         versions.emplace_back(key, "");
                     if (sizes.size() >= piece) writeSizes();
                 });
    writeSizes();
    // Else a later Analyze could not tell this directory from one never logged.
    if (!anySize) times.emplace_back(kLoggedEmptyKey, 1);
    log.WriteIntegers(TimesSection(directory.section), times);
    log.WriteStrings(versionsSection, versions);
    return true;
}

}  // namespace zarvik
