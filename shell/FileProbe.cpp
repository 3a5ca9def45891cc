#include "shell/FileProbe.h"

#include "core/TextHelpers.h"

namespace zarvik {

std::vector<std::string> ReadTextLines(const std::string& path) {
    return SplitLines(ReadWholeFile(path));
}

std::string InPlaceWriteText(const std::string& path) {
    return "No new file could be made beside \"" + path +
           "\", so it was written over in place instead of replaced whole.";
}

WriteMethod WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return WriteWholeFile(path, bytes);
}

}  // namespace zarvik
