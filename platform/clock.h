#pragma once

#include <cstdint>
#include <functional>

// The program's clocks. Each is real by default and replaceable, so that tests can drive time
// limits, per-attempt seeding and "today" without waiting.

struct LocalDate {
    uint32_t day;
    uint32_t month;
    uint32_t year;
};

// Milliseconds from a fixed point (the start of the process for the real clock). Wraps like a
// 32-bit tick count; callers compare differences.
uint32_t Milliseconds();
// Whole seconds since the epoch.
int64_t Seconds();
// Today's date on the local calendar.
LocalDate LocalToday();
// The date on the local calendar at this many seconds since the epoch.
LocalDate LocalDateAt(int64_t seconds);

// Replace a clock; an empty function restores the real one.
void SetMillisecondClock(std::function<uint32_t()> clock);
void SetSecondClock(std::function<int64_t()> clock);
void SetTodayClock(std::function<LocalDate()> clock);

// Puts the real clocks back when a test scope ends.
class ScopedClocks {
public:
    ScopedClocks() = default;
    ~ScopedClocks();
    ScopedClocks(const ScopedClocks&) = delete;
    ScopedClocks& operator=(const ScopedClocks&) = delete;
};
