#pragma once
// What one probe of a file tells: its length and its last-write time.
#include <cstdint>

namespace zarvik {

struct FileMeasure {
    int64_t size = -1;      // -1 when the file cannot be opened or measured
    int64_t writeTime = 0;  // last write, in the platform's 100 ns ticks; 0 unknown
};

}  // namespace zarvik
