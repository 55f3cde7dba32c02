#include "line_scan.h"

#include "action_config.h"

#include <algorithm>

#include <limits>

namespace {

bool isScanSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// One decimal number with optional leading white space and sign. Anything that does not fit a
// signed 32-bit integer counts as unreadable rather than wrapping or saturating.
bool scanNumber(const char*& cursor, int32_t& value) {
    const char* p = cursor;
    while (isScanSpace(*p)) {
        ++p;
    }
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    if (*p < '0' || *p > '9') {
        return false;
    }
    const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                   : std::numeric_limits<int32_t>::max();
    int64_t magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > limit) {
            return false;
        }
    }
    value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    cursor = p;
    return true;
}

} // namespace

int scanBracketNumbers(const char* text, int32_t* numbers, int maxNumbers) {
    if (text == nullptr || *text != '[') {
        return 0;
    }
    const char* cursor = text + 1;
    int read = 0;
    while (read < maxNumbers) {
        if (read > 0) {
            if (*cursor != ',') {
                break;
            }
            ++cursor;
        }
        if (!scanNumber(cursor, numbers[read])) {
            break;
        }
        ++read;
    }
    return read;
}

int32_t usedLineCount(int32_t count) {
    return std::clamp(count, 0, kConfigLineSlots);
}
