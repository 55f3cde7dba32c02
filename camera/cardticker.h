// The presence watch's clock: a plain thread that runs one function at a fixed period.
//
// Ten glances a second at the card cost a thread wake each, the program's whole cost while it
// waits for the user. A plain thread's sleep and wake costs about a third less than a Qt event
// loop's, and the window's thread, left out of the tick, sleeps until a look has news for it.
#pragma once

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
    // until stop(). A tick that overruns its period is followed one period after it ends, not
    // by a burst of the ticks it missed. A running ticker is stopped first.
    void start(std::chrono::milliseconds period, std::function<void()> tick);
    // Ends the ticks and waits for one under way, so that nothing `tick` uses is in use after
    // it. Does nothing when not running.
    void stop();
    bool isActive() const { return thread_.joinable(); }

  private:
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
};
