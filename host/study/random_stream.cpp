#include <algorithm>
#include <cmath>
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
    // The bias of a modulo is below bound / 2^64: nothing for a shuffle.
    return next() % bound;
}

std::vector<std::uint32_t> ranks_of(const std::vector<double>& values)
{
    std::vector<std::uint32_t> order(values.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        // NaN last, so that it never breaks the ordering.
        const double x = values[a], y = values[b];
        if (std::isnan(x) || std::isnan(y))
            return !std::isnan(x) && std::isnan(y);
        return x < y;
    });
    std::vector<std::uint32_t> rank(values.size());
    for (std::uint32_t r = 0; r < order.size(); ++r)
        rank[order[r]] = r;
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
