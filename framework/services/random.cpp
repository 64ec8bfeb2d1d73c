#include "services/random.h"

#include "runtime/class_table.h"
#include "runtime/exception.h"
#include "runtime/method_row.h"
#include "runtime/trace.h"
#include "services/random_testing.h"

#include <cassert>
#include <cstdlib>
#include <string>

namespace fw {
namespace {

// glibc's arc4random family: the kernel's generator, with rejection sampling
// inside arc4random_uniform, so no bound is favoured.
std::uint32_t SystemDraw(std::uint32_t upperBoundExclusive)
{
    if (upperBoundExclusive == 0)
        return arc4random();
    return arc4random_uniform(upperBoundExclusive);
}

// The draw behind every Random object; only tests replace it. The objects
// live on the main thread, like the rest of the framework.
RandomSource currentSource = SystemDraw;

std::string Bounds(std::int32_t min, std::int32_t max) { return std::to_string(min) + " " + std::to_string(max); }

} // namespace

Random::Random() = default;

std::int32_t Random::InRange(std::int32_t min, std::int32_t max)
{
    TraceCall("Random.InRange", [&] { return Bounds(min, max); });
    if (max < min) {
        RaiseRuntimeException(String(
            "Random.InRange: the maximum " + std::to_string(max) + " is less than the minimum " + std::to_string(min)));
    }
    // The number of values, computed wide; 2^32 (the whole 32-bit range)
    // wraps to 0, which the source takes as "every 32-bit value".
    const std::int64_t values = static_cast<std::int64_t>(max) - min + 1;
    const auto span = static_cast<std::uint32_t>(values);
    const std::uint32_t offset = currentSource(span);
    // A draw past the bound would give a number outside min..max, which a
    // caller may use as an index: checked in every build.
    if (span != 0 && offset >= span) {
        RaiseRuntimeException(String("Random.InRange: the random source drew " + std::to_string(offset)
            + ", past its bound " + std::to_string(span)));
    }
    return static_cast<std::int32_t>(min + static_cast<std::int64_t>(offset));
}

const ClassTable* Random::__Lookup()
{
    static const ClassTable* table = [] {
        // Object's entries, then Random's own.
        ClassTable* t = NewClass<Random>(ObjectClass(), "Random");
        const MethodRow rows[] = { Method("InRange", &Random::InRange) };
        AddFrameworkMethods(*t, rows);
        return t;
    }();
    return table;
}

namespace testing {

ScopedRandomSource::ScopedRandomSource(RandomSource source)
    : previous_(currentSource)
{
    assert(source);
    currentSource = source;
}

ScopedRandomSource::~ScopedRandomSource() { currentSource = previous_; }

} // namespace testing
} // namespace fw
