// What the line store and the codec share: reading the numbers of a bracketed line,
// "[n,n,n,...", the way the camera's own lines are written (each number may have white space
// and a sign before it, and a comma must follow it directly), and the number of records a
// count may name.
#pragma once

#include <cstdint>

// Reads up to `maxNumbers` numbers from `text`, which must start with "[". Stops at the first
// number that is missing, malformed or outside the signed 32-bit range, or at a separator that
// is not a comma. Returns how many numbers were stored in `numbers`.
int scanBracketNumbers(const char* text, int32_t* numbers, int maxNumbers);

// `count` limited to the records an array holds: 0 to kConfigLineSlots.
int32_t usedLineCount(int32_t count);
