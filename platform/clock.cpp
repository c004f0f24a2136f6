#include "platform/clock.h"

#include <chrono>
#include <ctime>

namespace {

std::function<uint32_t()>& MillisecondClock() {
    static std::function<uint32_t()> clock;
    return clock;
}

std::function<int64_t()>& SecondClock() {
    static std::function<int64_t()> clock;
    return clock;
}

std::function<LocalDate()>& TodayClock() {
    static std::function<LocalDate()> clock;
    return clock;
}

const std::chrono::steady_clock::time_point processStart = std::chrono::steady_clock::now();

// The 32-bit Windows runtime's time_t is 32 bits and ends in January 2038, so its 64-bit
// functions are called by name.
#ifdef _WIN32
using SystemTime = __time64_t;
#else
using SystemTime = std::time_t;
static_assert(sizeof(SystemTime) >= sizeof(int64_t), "build with _TIME_BITS=64");
#endif

int64_t SystemSeconds() {
#ifdef _WIN32
    return _time64(nullptr);
#else
    return std::time(nullptr);
#endif
}

} // namespace

uint32_t Milliseconds() {
    if (MillisecondClock())
        return MillisecondClock()();
    const auto elapsed = std::chrono::steady_clock::now() - processStart;
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

int64_t Seconds() {
    if (SecondClock())
        return SecondClock()();
    return SystemSeconds();
}

LocalDate LocalToday() {
    if (TodayClock())
        return TodayClock()();
    return LocalDateAt(SystemSeconds());
}

LocalDate LocalDateAt(int64_t seconds) {
    const auto time = static_cast<SystemTime>(seconds);
    // A time the calendar cannot show leaves the day 0: an invalid date.
    std::tm local{};
#ifdef _WIN32
    _localtime64_s(&local, &time);
#else
    localtime_r(&time, &local);
#endif
    return {static_cast<uint32_t>(local.tm_mday), static_cast<uint32_t>(local.tm_mon + 1),
            static_cast<uint32_t>(local.tm_year + 1900)};
}

void SetMillisecondClock(std::function<uint32_t()> clock) {
    MillisecondClock() = std::move(clock);
}
void SetSecondClock(std::function<int64_t()> clock) {
    SecondClock() = std::move(clock);
}
void SetTodayClock(std::function<LocalDate()> clock) {
    TodayClock() = std::move(clock);
}

ScopedClocks::~ScopedClocks() {
    SetMillisecondClock(nullptr);
    SetSecondClock(nullptr);
    SetTodayClock(nullptr);
}
