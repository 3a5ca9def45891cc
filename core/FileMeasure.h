#pragma once
// What one probe of a file tells: its length, its last-write time and, for
// a PE image with a version resource, its file version.
#include <cstdint>
#include <string>

namespace zarvik {

struct FileMeasure {
    int64_t size = -1;      // -1 when the file cannot be opened or measured
    int64_t writeTime = 0;  // last write, in the platform's 100 ns ticks; 0 unknown
    std::string version;    // "a.b.c.d" (FormatVersion); empty when the file has none
};

}  // namespace zarvik
