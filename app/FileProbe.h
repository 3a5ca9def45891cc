#pragma once
// Measuring files and reading or writing whole text files.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/FileNames.h"

namespace zarvik {

// Opens the file for reading, sharing read and write with other programs,
// and takes the length from the open file: -1 when it cannot be opened.
// Paths are in the program's form (ui/FileNames.h); on 64-bit Windows the
// System directory is the native one, whichever build asks.
int64_t ProbeFileSize(const std::string& path);
// The same open also gives the last-write time.
ui::FileFacts ProbeFile(const std::string& path);

// True when the file can be opened for reading in the same way.
bool FilePresent(const std::string& path);

// The lines of a text file (CR LF, LF or CR line ends). Throws an error that
// names the file and carries the platform's reason when it cannot be read.
std::vector<std::string> ReadTextLines(const std::string& path);
std::string ReadWholeFile(const std::string& path);

// Writes the lines, each ended by CR LF, replacing the file. The new text is
// written beside it first, so a failed write never leaves half a file.
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines);
void WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace zarvik
