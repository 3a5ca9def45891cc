#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/CaseFold.h"

namespace zarvik {

// What the platform tells about a file without reading it. Two equal stamps
// mean the file has not been written in between, as far as the file system's
// time resolution can tell (nanoseconds on POSIX, 100 ns on NTFS, 2 s on FAT).
struct FileStamp {
    uint64_t size = 0;
    int64_t writeTime = 0;
    // Further evidence of a change where the platform has it: the POSIX
    // status-change time, the Win32 creation time (a replaced file).
    int64_t otherTime = 0;

    bool operator==(const FileStamp&) const = default;
};

enum class EndOfFile { Keep, SetAfterWrite };

// The few file operations the log store needs, so the store itself stays
// plain C++ and its tests can run natively.
class LogFileSystem {
public:
    virtual ~LogFileSystem() = default;

    // Empty when the file does not exist (or is not a plain file).
    virtual std::optional<FileStamp> Stamp(const std::string& path) = 0;

    // Empty when the file cannot be opened or read.
    virtual std::optional<std::string> ReadAll(const std::string& path) = 0;

    // Writes bytes at offset, creating the file when missing; with
    // SetAfterWrite the file then ends right after them. False when the file
    // system refuses (missing directory, read-only or locked file).
    virtual bool Write(const std::string& path, uint64_t offset, std::string_view bytes, EndOfFile end) = 0;

    // While a file is held, writes to it may go through one handle kept open
    // instead of opening the file for each; other programs stay free to read
    // and write it. Release closes that handle.
    virtual void Hold(const std::string& path) { (void)path; }
    virtual void Release() {}

    // How names match without regard to case on this platform.
    virtual CaseFold NameFold() const { return CaseFold::Western(); }
};

// The file system of the platform the program is built for.
std::unique_ptr<LogFileSystem> MakePlatformLogFileSystem();

}  // namespace zarvik
