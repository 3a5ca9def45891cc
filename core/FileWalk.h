#pragma once
// The walk over a directory's files that Build, Commit and Analyze share,
// as plain functions over three small interfaces: a lister of a directory's
// files, a probe of one file and a sink for what the walk finds. On screen
// the pages' lists are the lister and the sink; tests give fakes.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/FileMeasure.h"

namespace zarvik {

class LogStore;

// The files of one directory, as a listing found them.
struct Listing {
    std::string prefix;  // the directory as listed, with "\" appended
    std::vector<std::string> names;
};

class DirectoryLister {
public:
    // The files to walk in `directory`, in order; nothing when the directory
    // cannot be entered.
    virtual std::optional<Listing> ListFiles(const std::string& directory) = 0;

protected:
    ~DirectoryLister() = default;
};

class FileProber {
public:
    virtual FileMeasure Measure(const std::string& path) = 0;
    // True when the file can be opened for reading.
    virtual bool Present(const std::string& path) = 0;
    // A volume of the FAT family keeps local times in 2 s steps.
    virtual bool OnFatVolume(const std::string& directory) = 0;

protected:
    ~FileProber() = default;
};

class WalkSink {
public:
    // The path the walk has reached, for the status line.
    virtual void Walking(std::string_view path) = 0;
    // An empty file, with what the probe took (its time, for the export).
    virtual void ZeroLength(const std::string& path, const FileMeasure& file) = 0;

protected:
    ~WalkSink() = default;
};

// One directory of the log: its files go into `section`, keyed by name or,
// for an optional directory, by full path (`directory` and the name).
struct LoggedDirectory {
    std::string directory;  // with "\" appended
    std::string section;
    bool keyIsPath = false;
};

// Each name measured in order: its path to the sink's status, an empty file
// to Zero Length Files, then `measured` with the file's log key.
using Measured = std::function<void(const std::string& path, const std::string& key,
                                    const FileMeasure& file)>;
void MeasureFiles(const std::string& prefix, const std::vector<std::string>& names,
                  bool keyIsPath, FileProber& probe, WalkSink& sink, const Measured& measured);

// How many sizes go into one write where a section grows at the file's end.
constexpr size_t kSizesPerWrite = 512;

// Build's and Commit's walk: each non-empty file's size into the section
// (a few hundred files a write where the section grows at the file's end,
// else all at once after the walk), then the times into the times section
// and the versions into the versions section, so that a new log grows at
// its end only. A refused write is tried again
// a key at a time, so that the log keeps every size before the refused one
// and the status line names its file. A walk that logs no size leaves
// kLoggedEmptyKey instead. False when the directory cannot be entered;
// nothing is logged then.
bool LogDirectory(LogStore& log, const LoggedDirectory& directory, DirectoryLister& lister,
                  FileProber& probe, WalkSink& sink);

}  // namespace zarvik
