// Exact comparison of doubles by their bits, and the six-digit check against
// the model's published values.
#ifndef TESTS_BITS_H
#define TESTS_BITS_H

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace dur::test {

inline std::uint64_t bits(double v) { return std::bit_cast<std::uint64_t>(v); }

inline std::string describe(double v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.17g (%a)", v, v);
    return text;
}

// Same double, sign of zero included; any NaN matches any NaN, since the
// models never look at a payload.
inline ::testing::AssertionResult same_double(double actual, double expected)
{
    if (std::isnan(actual) && std::isnan(expected))
        return ::testing::AssertionSuccess();
    if (bits(actual) == bits(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << describe(actual) << ", expected " << describe(expected);
}

// Units in the last place between two finite doubles of any sign.
inline std::uint64_t ulp_distance(double a, double b)
{
    auto ordered = [](double v) {
        const std::int64_t i = std::bit_cast<std::int64_t>(v);
        return i < 0 ? std::numeric_limits<std::int64_t>::min() - i : i;
    };
    const std::int64_t x = ordered(a), y = ordered(b);
    return x > y ? static_cast<std::uint64_t>(x) - static_cast<std::uint64_t>(y)
                 : static_cast<std::uint64_t>(y) - static_cast<std::uint64_t>(x);
}

// `actual` rounds to `published`, a value given to six significant digits.
inline ::testing::AssertionResult agrees_to_six_digits(double actual, double published)
{
    if (std::isnan(published))
        return std::isnan(actual) ? ::testing::AssertionSuccess()
                                  : ::testing::AssertionFailure() << "got " << describe(actual) << ", expected NaN";
    if (published == 0.0)
        return actual == 0.0 ? ::testing::AssertionSuccess()
                             : ::testing::AssertionFailure() << "got " << describe(actual) << ", expected 0";
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(published))) - 5.0);
    if (std::fabs(actual - published) <= 0.5 * unit * (1.0 + 1e-9))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << describe(actual) << ", published " << published;
}

}  // namespace dur::test

#endif
