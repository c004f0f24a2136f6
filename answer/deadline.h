#pragma once

#include <cstdint>

#include "platform/clock.h"

// The time limit of one interlaced comparison: 5000 ms from its start on the millisecond clock.
// The clock is read after every CheckInterval units of work (a unit is about one step of a
// loop, so readings come well under a millisecond of work apart), and whenever a caller asks
// before reporting a match. Once passed, the limit stays passed until the next Start.
//
// The start is a reading at the start, or, where a hint search asks every word of the list,
// the first reading within the comparison: that comes after less than CheckInterval units of
// the comparison's own work and saves a reading for nearly every word.
class TDeadline {
public:
    static constexpr uint32_t LimitMs = 5000;
    static constexpr uint32_t CheckInterval = 1u << 16;

    void Start(bool readNow) {
        started = readNow;
        if (readNow)
            start = Milliseconds();
        sinceReading = 0;
        passed = false;
    }

    // Counts work; true once the limit has passed.
    bool Spend(uint32_t work) {
        if (passed)
            return true;
        sinceReading += work;
        if (sinceReading < CheckInterval)
            return false;
        return Check();
    }

    // Reads the clock now; true once the limit has passed.
    bool Check() {
        if (passed)
            return true;
        const uint32_t now = Milliseconds();
        sinceReading = 0;
        if (!started) {
            start = now;
            started = true;
            return false;
        }
        passed = now - start > LimitMs;
        return passed;
    }

    bool HasPassed() const { return passed; }

private:
    uint32_t start = 0;
    uint64_t sinceReading = 0;
    bool started = false;
    bool passed = false;
};
