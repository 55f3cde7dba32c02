#include "cardticker.h"

#include <utility>

#ifdef __linux__
#include <cerrno>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace {

#ifdef __linux__
timespec timespecOf(std::chrono::nanoseconds span) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(span);
    return {static_cast<time_t>(seconds.count()), static_cast<long>((span - seconds).count())};
}
#endif

} // namespace

void CardTicker::start(std::chrono::milliseconds period, std::function<void()> tick) {
    stop();
    stopping_ = false;
#ifdef __linux__
    timer_ = ::timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC);
    const itimerspec every{timespecOf(period), timespecOf(period)};
    if (timer_ >= 0 && ::timerfd_settime(timer_, 0, &every, nullptr) != 0) {
        ::close(timer_);
        timer_ = -1;
    }
#endif
    thread_ = std::thread([this, period, tick = std::move(tick)] { tickEvery(period, tick); });
}

void CardTicker::tickEvery(std::chrono::milliseconds period, const std::function<void()>& tick) {
#ifdef __linux__
    if (timer_ >= 0) {
        std::uint64_t expired = 0;
        while (!stopping_) {
            const ssize_t got = ::read(timer_, &expired, sizeof expired);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got != sizeof expired || stopping_) {
                return;
            }
            tick();
        }
        return;
    }
#endif
    using Clock = std::chrono::steady_clock;
    Clock::time_point next = Clock::now() + period;
    std::unique_lock lock(mutex_);
    while (!wake_.wait_until(lock, next, [this] { return stopping_.load(); })) {
        lock.unlock();
        tick();
        lock.lock();
        next += period;
        if (const Clock::time_point now = Clock::now(); next <= now) {
            next = now + period;
        }
    }
}

void CardTicker::stop() {
    if (!thread_.joinable()) {
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
#ifdef __linux__
    if (timer_ >= 0) {
        // Due at once: the thread's wait ends now instead of at the period's end.
        const itimerspec now{{0, 0}, {0, 1}};
        (void)::timerfd_settime(timer_, 0, &now, nullptr);
    }
#endif
    wake_.notify_one();
    thread_.join();
#ifdef __linux__
    if (timer_ >= 0) {
        ::close(timer_);
        timer_ = -1;
    }
#endif
}
