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
    return static_cast<int64_t>(std::time(nullptr));
}

LocalDate LocalToday() {
    if (TodayClock())
        return TodayClock()();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
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
