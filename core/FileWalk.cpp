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
    std::vector<std::pair<std::string, int64_t>> times;
    // Keys as the log names the directory, whatever form the listing gave it.
    MeasureFiles(directory.directory, listing->names, directory.keyIsPath, probe, sink,
                 [&](const std::string&, const std::string& key, const FileMeasure& file) {
                     if (file.size == 0) return;
                     log.WriteInteger(directory.section, key, file.size);
                     // A file that could not be opened has no time to record.
                     if (file.writeTime != 0) times.emplace_back(key, file.writeTime);
                 });
    const std::string timesSection = TimesSection(directory.section);
    for (const auto& [key, time] : times) log.WriteInteger(timesSection, key, time);
    return true;
}

}  // namespace zarvik
