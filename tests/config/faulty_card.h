// A camera card whose file calls fail as real cards do, one fault at a time, for the lifetime of
// a FaultyCard: the `nth` use of one call (every use when `nth` is 0) fails with `error`, or,
// when `error` is 0, `before` runs just before that use (the camera going away at that moment).
#pragma once

#include "config_io.h"

#include <functional>
#include <optional>

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
    explicit FaultyCard(Fault fault = {});
    ~FaultyCard();
    FaultyCard(const FaultyCard&) = delete;
    FaultyCard& operator=(const FaultyCard&) = delete;

    // Since the card was put in: faults that struck, renames that completed (saves), writes.
    static int hits();
    static int saves();
    static int writes();

  private:
    std::optional<config_io::ScopedOps> scope_;
};
