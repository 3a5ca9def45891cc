#pragma once
// Opening, probing, reading and writing files, over the wide API. Paths are
// in the program's form (platform/FileNames.h) and may pass MAX_PATH; on
// 64-bit Windows the System directory is the native one, whichever build
// asks. Failures that end a command throw Win32Error.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "core/FileMeasure.h"
#include "platform/Handles.h"

namespace platform {

constexpr DWORD kShareReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;

// Which system32 a 32-bit process on 64-bit Windows means: the native one, as
// a technician does for the files the program lists, probes and reads, or
// the one WoW64 shows the process, where its own file dialogs pointed the
// user for a file it writes and the log.
enum class View { Native, Process };

// An invalid handle when the file cannot be opened; GetLastError says why.
FileHandle OpenFile(std::string_view path, DWORD access, DWORD share, DWORD disposition, View view,
                    DWORD flags = FILE_ATTRIBUTE_NORMAL);
// Opens an existing file for reading.
FileHandle OpenForReading(std::string_view path, DWORD share = kShareReadWrite,
                          DWORD flags = FILE_ATTRIBUTE_NORMAL);
// INVALID_FILE_ATTRIBUTES when the file or directory is not there.
DWORD FileAttributes(std::string_view path, View view = View::Native);
bool SetFileAttributes(std::string_view path, DWORD attributes);  // as the process sees it
// Size, times and attributes asked by name, without opening the file, so it
// answers even while another program holds the file without sharing it.
bool FileData(std::string_view path, WIN32_FILE_ATTRIBUTE_DATA& data, View view = View::Native);

// A FILETIME as the platform's 64-bit count of 100 ns ticks.
inline int64_t Ticks(const FILETIME& t) {
    return static_cast<int64_t>((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
}

// The file's length, last-write time and file version (of a PE image with a
// version resource), taken from one open handle that shares read and write
// with other programs. The version is read from the file's bytes, never by
// loading it; a damaged image has none.
zarvik::FileMeasure ProbeFile(std::string_view path);
// True when the file can be opened for reading in the same way.
bool FilePresent(std::string_view path);
// True for a volume of the FAT family, whose times are local and in 2 s steps.
bool OnFatVolume(std::string_view path);
// The 32-bit System directory of 64-bit Windows, without a trailing "\";
// empty on 32-bit Windows.
std::string SystemWow64Directory();

bool SeekTo(HANDLE file, uint64_t offset);
// The one write loop: all of `bytes`, however many calls the system takes.
bool WriteFully(HANDLE file, std::string_view bytes);
// From the file pointer to the end, rather than trusting a size taken
// earlier: the file may grow meanwhile.
bool ReadToEnd(HANDLE file, std::string& bytes);

// Throws a Win32Error naming the file when it cannot be read.
std::string ReadWholeFile(std::string_view path);

// How a file was saved: written beside it and put in its place (its
// attributes and security kept), or, where its folder takes no new file,
// written over in place.
enum class WriteMethod { Replaced, InPlace };
// Replaces the file with the bytes. They are written beside it first, so a
// failed write never leaves half a file; only where no file can be made
// beside it is the file written over directly.
WriteMethod WriteWholeFile(std::string_view path, std::string_view bytes);

// Makes the file if it is missing, never touching one that exists, and
// takes away its read-only mark. A failure shows at the first read or write.
void PrepareWritableFile(std::string_view path);

}  // namespace platform
