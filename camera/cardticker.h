// The presence watch's clock: a plain thread that runs one function at a fixed period.
//
// Ten glances a second at the card cost a thread wake each, the program's whole cost while it
// waits for the user. A plain thread's wake costs less than a Qt event loop's, and the window's
// thread, left out of the tick, sleeps until a look has news for it. On Linux the period is a
// kernel timer that re-arms itself, so that a wake is one read of it and the tick's own work.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class CardTicker {
  public:
    CardTicker() = default;
    ~CardTicker() { stop(); }
    CardTicker(const CardTicker&) = delete;
    CardTicker& operator=(const CardTicker&) = delete;

    // Runs `tick` on the ticker's thread every `period`, the first time one period from now,
    // until stop(). A tick that overruns its period is not followed by a burst of the ticks it
    // missed. A running ticker is stopped first.
    void start(std::chrono::milliseconds period, std::function<void()> tick);
    // Ends the ticks and waits for one under way, so that nothing `tick` uses is in use after
    // it. Does nothing when not running.
    void stop();
    bool isActive() const { return thread_.joinable(); }

  private:
    void tickEvery(std::chrono::milliseconds period, const std::function<void()>& tick);

    std::thread thread_;
    std::atomic<bool> stopping_ = false;
    // The kernel's periodic timer where there is one (Linux); -1 elsewhere.
    int timer_ = -1;
    // Elsewhere the thread waits on this until the period's end or stop().
    std::mutex mutex_;
    std::condition_variable wake_;
};
