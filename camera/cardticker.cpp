#include "cardticker.h"

#include <utility>

void CardTicker::start(std::chrono::milliseconds period, std::function<void()> tick) {
    stop();
    stopping_ = false;
    thread_ = std::thread([this, period, tick = std::move(tick)] {
        using Clock = std::chrono::steady_clock;
        Clock::time_point next = Clock::now() + period;
        std::unique_lock lock(mutex_);
        while (!wake_.wait_until(lock, next, [this] { return stopping_; })) {
            lock.unlock();
            tick();
            lock.lock();
            next += period;
            if (const Clock::time_point now = Clock::now(); next <= now) {
                next = now + period;
            }
        }
    });
}

void CardTicker::stop() {
    if (!thread_.joinable()) {
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}
