#pragma once
// Paces forced repaints during a long command: true at most once per
// interval. Times are milliseconds of a wrapping 32-bit tick counter. Plain
// C++ so it is tested without windows.
#include <cstdint>

namespace zarvik {

class RepaintPacer {
public:
    explicit RepaintPacer(uint32_t intervalMs) : interval_(intervalMs) {}
    bool Due(uint32_t nowMs) {
        if (started_ && nowMs - last_ < interval_) return false;
        started_ = true;
        last_ = nowMs;
        return true;
    }

private:
    uint32_t interval_;
    uint32_t last_ = 0;
    bool started_ = false;
};

}  // namespace zarvik
