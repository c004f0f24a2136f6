#pragma once

#include <cstdint>

#include "platform/clock.h"

// The time limit of one interlaced comparison: 5000 ms from Start on the millisecond clock.
// The clock is read at the start, after every CheckInterval units of work (a unit is about one
// machine operation, so reads come well under a millisecond apart), and whenever a caller asks
// before reporting a match. Once passed, it stays passed.
class TDeadline {
public:
    static constexpr uint32_t LimitMs = 5000;
    static constexpr uint32_t CheckInterval = 1u << 16;

    // Starts the limit now.
    void Start() {
        start = Milliseconds();
        pending = 0;
        passed = false;
    }

    // Counts work; true once the limit has passed.
    bool Spend(uint32_t work) {
        if (passed)
            return true;
        pending += work;
        if (pending < CheckInterval)
            return false;
        pending = 0;
        return Check();
    }

    // Reads the clock now; true once the limit has passed.
    bool Check() {
        if (!passed)
            passed = Milliseconds() - start > LimitMs;
        return passed;
    }

    bool HasPassed() const { return passed; }

private:
    uint32_t start = 0;
    uint64_t pending = 0;
    bool passed = false;
};
