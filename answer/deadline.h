#pragma once

#include <cstdint>

#include "platform/clock.h"

// The time limit of one interlaced comparison: 5000 ms from Start on the millisecond clock.
// The clock is read at the start, after every CheckInterval units of work (a unit is about one
// step of a loop, so reads come well under a millisecond apart), and whenever a caller asks
// before reporting a match. Once passed, the limit stays passed until the next Start.
//
// One deadline serves the comparisons of a hint search one after the other. A comparison that
// starts while little work has been done since the last reading takes that reading as its start
// instead of reading the clock again: a start at most a fraction of a millisecond early, which
// saves a clock reading for nearly every word of the list.
class TDeadline {
public:
    static constexpr uint32_t LimitMs = 5000;
    static constexpr uint32_t CheckInterval = 1u << 16;

    void Start() {
        if (!haveReading || sinceReading >= CheckInterval)
            Read();
        start = lastReading;
        passed = false;
    }

    // Counts work done outside a comparison, so that the next Start knows how old the last
    // reading is.
    void Account(uint32_t work) { sinceReading += work; }

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
        if (!passed) {
            Read();
            passed = lastReading - start > LimitMs;
        }
        return passed;
    }

    bool HasPassed() const { return passed; }

private:
    void Read() {
        lastReading = Milliseconds();
        sinceReading = 0;
        haveReading = true;
    }

    uint32_t start = 0;
    uint32_t lastReading = 0;
    uint64_t sinceReading = 0;
    bool haveReading = false;
    bool passed = false;
};
