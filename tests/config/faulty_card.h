// A camera card whose file calls fail as real cards do, one fault at a time, for the lifetime of
// a FaultyCard: the `nth` use of one call (every use when `nth` is 0) fails with `error`, or,
// when `error` is 0, `before` runs just before that use (the camera going away at that moment).
#pragma once

#include "config_io.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <functional>
#include <thread>
#include <utility>

enum class Call { None, OpenRead, Read, Create, Write, Sync, Close, Rename };

struct Fault {
    Call call = Call::None;
    int error = 0;
    int nth = 1;
    std::function<void()> before = {};
    bool byteWrites = false; // every write a short one of one byte, which a save must continue
};

class FaultyCard {
  public:
    explicit FaultyCard(Fault fault = {}) : scope_(putIn(std::move(fault))) {}
    ~FaultyCard() { state().fault = {}; }
    FaultyCard(const FaultyCard&) = delete;
    FaultyCard& operator=(const FaultyCard&) = delete;

    // Since the card was put in: faults that struck, renames that completed (saves), writes.
    static int hits() { return state().hits; }
    static int saves() { return state().saves; }
    static int writes() { return state().writes; }

  private:
    struct State {
        Fault fault;
        int uses = 0, hits = 0, saves = 0, writes = 0;
    };
    static State& state() {
        static State s;
        return s;
    }
    // Starts the counts afresh with `fault`; the calls to put in place.
    static const config_io::Ops& putIn(Fault fault) {
        state() = {std::move(fault)};
        return ops();
    }
    // True when this use of `call` fails.
    static bool strikes(Call call) {
        State& s = state();
        if (s.fault.call != call || (++s.uses != s.fault.nth && s.fault.nth != 0)) {
            return false;
        }
        if (s.fault.error == 0) {
            if (s.fault.before) {
                s.fault.before();
            }
            return false;
        }
        ++s.hits;
        errno = s.fault.error;
        return true;
    }
    // The system's calls, each preceded by its look at the fault; built once.
    static const config_io::Ops& ops() {
        static const config_io::Ops table = [] {
            using config_io::systemOps;
            config_io::Ops o = systemOps();
            o.openRead = [](const char* p) {
                return strikes(Call::OpenRead) ? -1 : systemOps().openRead(p);
            };
            o.read = [](int fd, void* b, std::size_t n) -> std::ptrdiff_t {
                return strikes(Call::Read) ? -1 : systemOps().read(fd, b, n);
            };
            o.createExclusive = [](const char* p, unsigned mode) {
                return strikes(Call::Create) ? -1 : systemOps().createExclusive(p, mode);
            };
            o.write = [](int fd, const void* b, std::size_t n) -> std::ptrdiff_t {
                ++state().writes;
                return strikes(Call::Write)
                           ? -1
                           : systemOps().write(fd, b, state().fault.byteWrites ? 1 : n);
            };
            o.sync = [](int fd) { return strikes(Call::Sync) ? -1 : systemOps().sync(fd); };
            // A failing close has released the descriptor all the same.
            o.close = [](int fd) {
                return systemOps().close(fd) != 0 || strikes(Call::Close) ? -1 : 0;
            };
            o.rename = [](const char* from, const char* to) {
                const int result = strikes(Call::Rename) ? -1 : systemOps().rename(from, to);
                state().saves += result == 0 ? 1 : 0;
                return result;
            };
            return o;
        }();
        return table;
    }

    config_io::ScopedOps scope_;
};

// A card, or a volume, that does not answer: every open and read waits for as long as the
// StalledCard lives (or until release()), on whichever thread makes it.
class StalledCard {
  public:
    StalledCard() : scope_(ops()) { stalled() = true; }
    ~StalledCard() {
        release();
        std::this_thread::sleep_for(std::chrono::milliseconds(20)); // waiting calls leave first
    }
    void release() { stalled() = false; }

  private:
    static std::atomic<bool>& stalled() {
        static std::atomic<bool> s{false};
        return s;
    }
    static void wait() {
        while (stalled()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    static const config_io::Ops& ops() {
        static const config_io::Ops table = [] {
            config_io::Ops o = config_io::systemOps();
            o.openRead = [](const char* p) { return wait(), config_io::systemOps().openRead(p); };
            o.read = [](int fd, void* b, std::size_t n) {
                return wait(), config_io::systemOps().read(fd, b, n);
            };
            return o;
        }();
        return table;
    }
    config_io::ScopedOps scope_;
};
