// Random: uniform integers from the operating system's cryptographically
// secure generator. A new object is usable at once; there is no seed, and no
// object shares or repeats another's sequence.
#pragma once

#include "runtime/object.h"

#include <cstdint>

namespace fw {

class ClassTable;

// Draws an integer uniformly from 0 to upperBoundExclusive - 1. The bound 0
// stands for 2^32: a draw from every 32-bit value.
using RandomSource = std::uint32_t (*)(std::uint32_t upperBoundExclusive);

class Random : public Object {
public:
    Random();

    // An integer from min to max, both included, each equally likely. Raises
    // a RuntimeException when max < min.
    std::int32_t InRange(std::int32_t min, std::int32_t max);

    static const ClassTable* __Lookup();
};

} // namespace fw
