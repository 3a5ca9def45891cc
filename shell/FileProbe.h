#pragma once
// The platform's files as the program's commands use them: the walk's probe,
// and whole text files read and written as lines.
#include <string>
#include <vector>

#include "core/FileWalk.h"
#include "platform/FileIO.h"

namespace zarvik {

using platform::FilePresent;
using platform::ProbeFile;
using platform::ReadWholeFile;
using platform::WriteMethod;
using platform::WriteWholeFile;

// The walk's probe on this machine's disk.
class PlatformFileProber final : public FileProber {
public:
    FileMeasure Measure(const std::string& path) override { return ProbeFile(path); }
    bool Present(const std::string& path) override { return FilePresent(path); }
    bool OnFatVolume(const std::string& directory) override { return platform::OnFatVolume(directory); }
};

// The lines of a text file (CR LF, LF or CR line ends). Throws an error that
// names the file and carries the platform's reason when it cannot be read.
std::vector<std::string> ReadTextLines(const std::string& path);

// Writes the lines, each ended by CR LF, replacing the file (WriteWholeFile).
WriteMethod WriteTextLines(const std::string& path, const std::vector<std::string>& lines);
// What the user is told after a save written in place.
std::string InPlaceWriteText(const std::string& path);

}  // namespace zarvik
