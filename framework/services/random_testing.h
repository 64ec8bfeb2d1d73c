// A test hook for Random: replaces the draw behind every Random object while
// it lives, so that a test can control the picks or inject a faulty source.
#pragma once

#include "services/random.h"

namespace fw::testing {

class ScopedRandomSource {
public:
    explicit ScopedRandomSource(RandomSource source);
    ~ScopedRandomSource();
    ScopedRandomSource(const ScopedRandomSource&) = delete;
    ScopedRandomSource& operator=(const ScopedRandomSource&) = delete;

private:
    RandomSource previous_;
};

} // namespace fw::testing
