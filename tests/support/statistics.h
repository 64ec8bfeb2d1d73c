// Pearson's chi-square test of counts against equal chances, for the tests
// that check that picks are uniform. Worked from the textbook formulas, with
// nothing of the code under test: plain C++, no GoogleTest.
#pragma once

#include <cmath>
#include <span>

namespace test_support {

// Pearson's statistic of `counts` against `draws` spread evenly over them.
inline double ChiSquareAgainstEqualChances(std::span<const long> counts, long draws)
{
    const double expected = static_cast<double>(draws) / static_cast<double>(counts.size());
    double statistic = 0;
    for (const long observed : counts) {
        const double difference = static_cast<double>(observed) - expected;
        statistic += difference * difference / expected;
    }
    return statistic;
}

// The z with P(Z > z) = p for a standard normal Z, by bisection on the
// complementary error function (P(Z > z) = erfc(z / sqrt 2) / 2).
inline double UpperNormalQuantile(double p)
{
    double low = 0;
    double high = 40;
    for (int i = 0; i < 200; ++i) {
        const double middle = (low + high) / 2;
        (std::erfc(middle / std::sqrt(2.0)) / 2 > p ? low : high) = middle;
    }
    return low;
}

// The chi-square value that k degrees of freedom exceed with probability p.
// Wilson-Hilferty: (X / k)^(1/3) is close to normal with mean 1 - 2/(9k) and
// variance 2/(9k), so x = k (1 - 2/(9k) + z sqrt(2/(9k)))^3. For k = 78 and
// p = 1e-6 (z = 4.753) this gives 152.66 against the exact 152.33: a shade
// stricter than asked, never looser.
inline double ChiSquareCriticalValue(int degreesOfFreedom, double p)
{
    const double k = degreesOfFreedom;
    const double v = 2.0 / (9.0 * k);
    return k * std::pow(1.0 - v + UpperNormalQuantile(p) * std::sqrt(v), 3.0);
}

} // namespace test_support
