#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace {

// A test that runs longer than this is taken to hang (a loop that never ends): the run stops
// with the test's name instead of waiting for the CI's limit. Far above the slowest test, which
// takes about 6 s (learning the sample table to the end under Wine; as long under qemu).
// VOCORIX_TEST_TIME_LIMIT (seconds, 0 for none) replaces it, for a debugger or a slower machine.
constexpr int DefaultTimeLimitSeconds = 300;

int TimeLimitSeconds() {
    const char* text = std::getenv("VOCORIX_TEST_TIME_LIMIT");
    return text != nullptr && *text != '\0' ? std::atoi(text) : DefaultTimeLimitSeconds;
}

// Watches each test from a thread of its own, as the test's own thread may be stuck in a loop.
class TestWatchdog : public testing::EmptyTestEventListener {
public:
    explicit TestWatchdog(int seconds) : limit_(seconds), thread_([this] { Watch(); }) {}
    ~TestWatchdog() override {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    TestWatchdog(const TestWatchdog&) = delete;
    TestWatchdog& operator=(const TestWatchdog&) = delete;

    void OnTestStart(const testing::TestInfo& test) override {
        {
            std::lock_guard lock(mutex_);
            name_ = std::string(test.test_suite_name()) + "." + test.name();
            deadline_ = std::chrono::steady_clock::now() + limit_;
            running_ = true;
        }
        wake_.notify_one();
    }

    void OnTestEnd(const testing::TestInfo&) override {
        {
            std::lock_guard lock(mutex_);
            running_ = false;
        }
        wake_.notify_one();
    }

private:
    void Watch() {
        std::unique_lock lock(mutex_);
        while (!stopping_) {
            if (!running_) {
                wake_.wait(lock);
                continue;
            }
            wake_.wait_until(lock, deadline_);
            // The test may have ended, or the next one begun, while this thread slept.
            if (running_ && !stopping_ && std::chrono::steady_clock::now() >= deadline_) {
                std::fflush(stdout);
                std::fprintf(stderr, "\n[ TIMEOUT  ] %s timed out after %d s\n", name_.c_str(),
                             static_cast<int>(limit_.count()));
                std::fflush(stderr);
                // The stuck thread cannot be stopped: end the process, as a failure.
                std::_Exit(1);
            }
        }
    }

    const std::chrono::seconds limit_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::string name_;
    std::chrono::steady_clock::time_point deadline_;
    bool running_ = false;
    bool stopping_ = false;
    std::thread thread_; // last: it starts watching once everything above is made
};

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const int seconds = TimeLimitSeconds();
    if (seconds <= 0)
        return RUN_ALL_TESTS();
    TestWatchdog watchdog(seconds);
    testing::TestEventListeners& listeners = testing::UnitTest::GetInstance()->listeners();
    listeners.Append(&watchdog);
    const int result = RUN_ALL_TESTS();
    listeners.Release(&watchdog);
    return result;
}
