#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "sampler.h"

namespace dur::host {
namespace {

std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

}  // namespace

// splitmix64: small, fast, and its streams are independent enough for
// sampling; the state is a function of the seed and the stream number alone.
RandomStream::RandomStream(std::uint64_t seed, std::uint64_t stream)
    : state_(mix(seed ^ mix(stream + 0x9e3779b97f4a7c15ULL)))
{
}

std::uint64_t RandomStream::next()
{
    state_ += 0x9e3779b97f4a7c15ULL;
    return mix(state_);
}

double RandomStream::open_unit()
{
    // 53 random bits, shifted by half a unit: strictly inside (0, 1).
    return (static_cast<double>(next() >> 11) + 0.5) * 0x1.0p-53;
}

std::uint64_t RandomStream::below(std::uint64_t bound)
{
    // Multiply-high (Lemire): no division, and a bias below bound / 2^64.
    __extension__ using wide = unsigned __int128;
    return static_cast<std::uint64_t>((static_cast<wide>(next()) * bound) >> 64);
}

std::vector<std::uint32_t> ranks_of(const std::vector<double>& values)
{
    // Sorting (value, index) pairs in place is several times faster than
    // sorting indices that point into the values. NaN goes last; ties keep
    // the samples' order, so the ranks are the same on every run.
    struct Keyed {
        double value;
        std::uint32_t index;
    };
    std::vector<Keyed> keyed(values.size());
    for (std::uint32_t i = 0; i < keyed.size(); ++i)
        keyed[i] = {std::isnan(values[i]) ? std::numeric_limits<double>::infinity() : values[i], i};
    std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        if (a.value != b.value)
            return a.value < b.value;
        const bool a_nan = std::isnan(values[a.index]), b_nan = std::isnan(values[b.index]);
        if (a_nan != b_nan)
            return b_nan;
        return a.index < b.index;
    });
    std::vector<std::uint32_t> rank(values.size());
    for (std::uint32_t r = 0; r < keyed.size(); ++r)
        rank[keyed[r].index] = r;
    return rank;
}

double rank_correlation(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b)
{
    const double n = static_cast<double>(a.size());
    const double mean = (n - 1.0) / 2.0;
    double sab = 0.0, saa = 0.0, sbb = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const double x = a[i] - mean, y = b[i] - mean;
        sab += x * y;
        saa += x * x;
        sbb += y * y;
    }
    return sab / std::sqrt(saa * sbb);
}

}  // namespace dur::host
