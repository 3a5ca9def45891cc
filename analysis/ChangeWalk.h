#pragma once
// Analyze's walk: the files on disk against the log, as plain functions over
// the walk's lister, probe and a sink that takes the four kinds of finding.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/ChangeRules.h"
#include "core/FileWalk.h"

namespace zarvik {

// What the walk knows of a file it lists: what the probe took now and what
// the log holds, for the entry's line and its row in Export Results.
struct Finding {
    std::string path;
    FileMeasure now{};        // not measured (size -1) for a deleted file
    int64_t loggedSize = 0;   // 0: none logged
    int64_t loggedTime = 0;   // from the " Times" section; 0: none
    TimeChange moved = TimeChange::None;
    // From the " Versions" section; empty where the log holds none (the
    // version now is `now.version`).
    std::string loggedVersion{};
};

class ChangeSink : public WalkSink {
public:
    virtual void Added(const Finding& file) = 0;
    // A new size, with `moved` the same size and a new time, or a new
    // version (`now.version` against `loggedVersion`): each file once with
    // all that changed.
    virtual void Changed(const Finding& file) = 0;
    virtual void Deleted(const Finding& file) = 0;

protected:
    ~ChangeSink() = default;
};

// Measures the listed files of one directory against its section (sizes,
// times and, where the log has one, versions). Optional directories are
// keyed by the path the listing found. False when the
// directory cannot be entered.
bool CompareDirectory(LogStore& log, const LoggedDirectory& directory, DirectoryLister& lister,
                      FileProber& probe, ChangeSink& sink);

// Every key of the section whose file (`prefix` and the key) cannot be
// opened now is deleted, however many keys the section has. Returns the keys.
std::vector<std::string> FindDeleted(LogStore& log, const std::string& section,
                                     const std::string& prefix, FileProber& probe,
                                     ChangeSink& sink);

}  // namespace zarvik
