#include "core/FileWalk.h"

#include <utility>

#include "core/LogStore.h"

namespace zarvik {

std::string TimesSection(std::string_view section) { return std::string(section) + " Times"; }

void MeasureFiles(const std::string& prefix, const std::vector<std::string>& names,
                  bool keyIsPath, FileProber& probe, WalkSink& sink, const Measured& measured) {
    for (const std::string& name : names) {
        const std::string path = prefix + name;
        sink.Walking(path);
        const FileMeasure file = probe.Measure(path);
        if (file.size == 0) sink.ZeroLength(path);
        measured(path, keyIsPath ? path : name, file);
    }
}

bool LogDirectory(LogStore& log, const LoggedDirectory& directory, DirectoryLister& lister,
                  FileProber& probe, WalkSink& sink) {
    const std::optional<Listing> listing = lister.ListFiles(directory.directory);
    if (!listing) return false;
    // A new log grows at its end, a size as each file is measured. A log
    // built before has the section in its middle, where every key added
    // alone would move the rest of the file: its sizes go in at once.
    const bool oneByOne = log.AddsAtEnd(directory.section);
    std::vector<std::pair<std::string, int64_t>> sizes, times;
    // Keys as the log names the directory, whatever form the listing gave it.
    MeasureFiles(directory.directory, listing->names, directory.keyIsPath, probe, sink,
                 [&](const std::string&, const std::string& key, const FileMeasure& file) {
                     if (file.size == 0) return;
                     if (oneByOne)
                         log.WriteInteger(directory.section, key, file.size);
                     else
                         sizes.emplace_back(key, file.size);
                     // A file that could not be opened has no time to record.
                     if (file.writeTime != 0) times.emplace_back(key, file.writeTime);
                 });
    log.WriteIntegers(directory.section, sizes);
    log.WriteIntegers(TimesSection(directory.section), times);
    return true;
}

}  // namespace zarvik
