#pragma once
// Measuring files and reading or writing whole text files.
#include <cstdint>
#include <string>
#include <vector>

#include "core/FileWalk.h"
#include "platform/FileNames.h"

namespace zarvik {

// Opens the file for reading, sharing read and write with other programs,
// and takes the length (-1 when it cannot be opened) and the last-write time
// from the open file. Paths are in the program's form (ui/FileNames.h); on
// 64-bit Windows the System directory is the native one, whichever build asks.
ui::FileFacts ProbeFile(const std::string& path);

// True when the file can be opened for reading in the same way.
bool FilePresent(const std::string& path);

// The walk's probe on this machine's disk.
class PlatformFileProber final : public FileProber {
public:
    FileMeasure Measure(const std::string& path) override {
        const ui::FileFacts file = ProbeFile(path);
        return {file.size, file.writeTime};
    }
    bool Present(const std::string& path) override { return FilePresent(path); }
    bool OnFatVolume(const std::string& directory) override { return ui::OnFatVolume(directory); }
};

// The lines of a text file (CR LF, LF or CR line ends). Throws an error that
// names the file and carries the platform's reason when it cannot be read.
std::vector<std::string> ReadTextLines(const std::string& path);
std::string ReadWholeFile(const std::string& path);

// How a file was saved: written beside it and put in its place (its
// attributes and security kept), or, where its folder takes no new file,
// written over in place.
enum class WriteMethod { Replaced, InPlace };

// Writes the lines, each ended by CR LF, replacing the file. The new text is
// written beside it first, so a failed write never leaves half a file; only
// where no file can be made beside it is the file written over directly.
WriteMethod WriteTextLines(const std::string& path, const std::vector<std::string>& lines);
WriteMethod WriteWholeFile(const std::string& path, const std::string& bytes);
// What the user is told after a save written in place.
std::string InPlaceWriteText(const std::string& path);

}  // namespace zarvik
