#include "row_name.h"
#include "services/random.h"
#include "services/random_testing.h"
#include "statistics.h"

#include "runtime/class_table.h"
#include "runtime/exception.h"
#include "runtime/thunk.h"
#include "runtime/trace.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <set>
#include <string>

namespace fw {
namespace {

constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

TEST(RandomTest, NewObjectFromItsClassDrawsThroughTheMethodTable)
{
    const Ref<Object> object = RuntimeNewObject(Random::__Lookup());
    ASSERT_EQ(object->Class()->name, "Random");
    const MethodEntry* inRange = object->Class()->methods->Find("InRange");
    ASSERT_NE(inRange, nullptr);
    const std::int32_t only = 7;
    const Value pick = CallEntry(*inRange, *object, only, only);
    EXPECT_EQ(std::get<std::int32_t>(pick), 7);
}

TEST(RandomTest, SmallRangeStaysInsideAndReachesBothEnds)
{
    Random random;
    std::set<std::int32_t> seen;
    for (int i = 0; i < 10000; ++i) {
        const std::int32_t pick = random.InRange(1, 6);
        ASSERT_GE(pick, 1);
        ASSERT_LE(pick, 6);
        seen.insert(pick);
    }
    EXPECT_EQ(seen, (std::set<std::int32_t> { 1, 2, 3, 4, 5, 6 }));
}

TEST(RandomTest, RecordsEachCallWithItsBounds)
{
    Random random; // the class is set up before the trace starts, as in a run
    TraceRecorder trace;
    random.InRange(0, 79);
    random.InRange(-3, 3);
    EXPECT_EQ(trace.Entries(), (std::vector<std::string> { "Random.InRange 0 79", "Random.InRange -3 3" }));
}

// --- Ranges -----------------------------------------------------------------

struct RangeCase {
    const char* name;
    std::int32_t min;
    std::int32_t max;
    std::uint32_t bound; // what the source is asked for; 0 means 2^32
    friend void PrintTo(const RangeCase& row, std::ostream* os) { *os << row.name; }
};

// The bound of the last draw, seen by the sources below.
std::uint32_t lastBound = 1;

std::uint32_t LowestDraw(std::uint32_t bound)
{
    lastBound = bound;
    return 0;
}

std::uint32_t HighestDraw(std::uint32_t bound)
{
    lastBound = bound;
    return bound - 1; // 2^32 - 1 for the bound 0
}

class RandomRangeTest : public ::testing::TestWithParam<RangeCase> { };

TEST_P(RandomRangeTest, LowestAndHighestDrawsGiveTheEnds)
{
    const RangeCase& c = GetParam();
    Random random;
    {
        testing::ScopedRandomSource source(LowestDraw);
        EXPECT_EQ(random.InRange(c.min, c.max), c.min);
        EXPECT_EQ(lastBound, c.bound);
    }
    {
        testing::ScopedRandomSource source(HighestDraw);
        EXPECT_EQ(random.InRange(c.min, c.max), c.max);
        EXPECT_EQ(lastBound, c.bound);
    }
}

TEST_P(RandomRangeTest, SystemDrawsStayInsideAndFillBothHalves)
{
    const RangeCase& c = GetParam();
    Random random;
    const std::int64_t lowerHalfEnd = c.min + (static_cast<std::int64_t>(c.max) - c.min) / 2;
    bool lowerHalfSeen = false;
    bool upperHalfSeen = false;
    for (int i = 0; i < 1000; ++i) {
        const std::int32_t pick = random.InRange(c.min, c.max);
        ASSERT_GE(pick, c.min);
        ASSERT_LE(pick, c.max);
        (pick <= lowerHalfEnd ? lowerHalfSeen : upperHalfSeen) = true;
    }
    EXPECT_TRUE(lowerHalfSeen);
    // A range of one value has no upper half.
    EXPECT_EQ(upperHalfSeen, c.min != c.max);
}

INSTANTIATE_TEST_SUITE_P(Ranges, RandomRangeTest,
    ::testing::Values(RangeCase { "singleValue", 5, 5, 1 }, RangeCase { "twoValues", 0, 1, 2 },
        RangeCase { "negative", -10, -3, 8 }, RangeCase { "acrossZero", -3, 3, 7 },
        RangeCase { "pickIndex", 1, 79, 79 }, RangeCase { "topEdge", kInt32Max - 1, kInt32Max, 2 },
        RangeCase { "bottomEdge", kInt32Min, kInt32Min + 1, 2 },
        RangeCase { "nonNegativeHalf", 0, kInt32Max, 0x80000000u },
        RangeCase { "allButOne", kInt32Min, kInt32Max - 1, 0xFFFFFFFFu },
        RangeCase { "whole32BitRange", kInt32Min, kInt32Max, 0 }),
    RowName);

// --- Bad bounds ---------------------------------------------------------------

struct BadBoundsCase {
    const char* name;
    std::int32_t min;
    std::int32_t max;
    friend void PrintTo(const BadBoundsCase& row, std::ostream* os) { *os << row.name; }
};

class RandomBadBoundsTest : public ::testing::TestWithParam<BadBoundsCase> { };

TEST_P(RandomBadBoundsTest, MaximumBelowMinimumRaisesNamingBoth)
{
    const BadBoundsCase& c = GetParam();
    Random random;
    try {
        random.InRange(c.min, c.max);
        FAIL() << "no exception for InRange(" << c.min << ", " << c.max << ")";
    } catch (const RaisedException& raised) {
        ASSERT_TRUE(RuntimeObjectIsa(raised.Exception().get(), RuntimeException::__Lookup()));
        const std::string message = static_cast<const RuntimeException&>(*raised.Exception()).Message().Bytes();
        EXPECT_NE(message.find("maximum " + std::to_string(c.max)), std::string::npos) << message;
        EXPECT_NE(message.find("minimum " + std::to_string(c.min)), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(BadBounds, RandomBadBoundsTest,
    ::testing::Values(BadBoundsCase { "byOne", 5, 4 }, BadBoundsCase { "negative", -1, -2 },
        BadBoundsCase { "extremes", kInt32Max, kInt32Min }),
    RowName);

TEST(ScopedRandomSourceTest, RestoresThePreviousSourceWhenItEnds)
{
    Random random;
    {
        testing::ScopedRandomSource outer(HighestDraw);
        {
            testing::ScopedRandomSource inner(LowestDraw);
            EXPECT_EQ(random.InRange(1, 1000), 1);
        }
        EXPECT_EQ(random.InRange(1, 1000), 1000);
    }
    // Back to the system's draws: 100 picks from 1000 values are not all the
    // top one.
    int topPicks = 0;
    for (int i = 0; i < 100; ++i)
        topPicks += random.InRange(1, 1000) == 1000 ? 1 : 0;
    EXPECT_LT(topPicks, 100);
}

// --- Uniformity -----------------------------------------------------------------

// The pick index of a password from all four character sets.
constexpr std::int32_t kValues = 79;
constexpr int kPicks = 1'000'000;
using Counts = std::array<long, kValues>;

Counts CountPicks()
{
    Random random;
    Counts counts {};
    for (int i = 0; i < kPicks; ++i)
        ++counts.at(static_cast<std::size_t>(random.InRange(1, kValues) - 1));
    return counts;
}

using test_support::ChiSquareCriticalValue;

double ChiSquare(const Counts& counts) { return test_support::ChiSquareAgainstEqualChances(counts, kPicks); }

// An unbiased generator exceeds this once in a million runs.
const double kCriticalValue = ChiSquareCriticalValue(kValues - 1, 1e-6);

TEST(RandomUniformityTest, CriticalValueMatchesTheChiSquareTable)
{
    // The exact upper points for 78 degrees of freedom, from the regularised
    // incomplete gamma function.
    EXPECT_NEAR(ChiSquareCriticalValue(78, 0.05), 99.617, 0.05);
    EXPECT_NEAR(ChiSquareCriticalValue(78, 0.001), 122.348, 0.1);
    EXPECT_NEAR(ChiSquareCriticalValue(78, 1e-6), 152.330, 0.5);
}

TEST(RandomUniformityTest, PickIndexCountsFitEqualChances)
{
    const double statistic = ChiSquare(CountPicks());
    EXPECT_LT(statistic, kCriticalValue) << "chi-square over " << kPicks << " picks";
}

struct BiasedSourceCase {
    const char* name;
    RandomSource source;
    friend void PrintTo(const BiasedSourceCase& row, std::ostream* os) { *os << row.name; }
};

class RandomBiasTest : public ::testing::TestWithParam<BiasedSourceCase> { };

TEST_P(RandomBiasTest, SameStatisticRejectsABiasedSource)
{
    testing::ScopedRandomSource biased(GetParam().source);
    const double statistic = ChiSquare(CountPicks());
    EXPECT_GT(statistic, kCriticalValue);
}

INSTANTIATE_TEST_SUITE_P(BiasedSources, RandomBiasTest,
    ::testing::Values(
        // 256 = 3 * 79 + 19: the first 19 values come once more in 256.
        BiasedSourceCase {
            "moduloOfAByte", [](std::uint32_t bound) -> std::uint32_t { return (arc4random() & 0xFFu) % bound; } },
        // An off-by-one bound: the top value never comes.
        BiasedSourceCase { "neverTheTop", [](std::uint32_t bound) { return arc4random_uniform(bound - 1); } },
        // The first value twice as likely as each of the others.
        BiasedSourceCase { "firstValueDoubled",
            [](std::uint32_t bound) {
                const std::uint32_t draw = arc4random_uniform(bound + 1);
                return draw == bound ? 0 : draw;
            } }),
    RowName);

} // namespace
} // namespace fw
