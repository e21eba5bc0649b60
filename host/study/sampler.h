// Draws a study's random inputs: Latin hypercube or plain Monte Carlo, each
// input from its own random stream, with the rank correlations imposed by the
// method of Iman and Conover. The same study and seed give the same samples,
// whatever the number of threads.
#ifndef HOST_STUDY_SAMPLER_H
#define HOST_STUDY_SAMPLER_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "study_file.h"

namespace dur::host {

struct SampleSet {
    std::size_t count = 0;
    std::vector<std::vector<double>> columns;         // one per random input
    std::vector<std::vector<std::uint32_t>> ranks;    // 0-based rank of each value in its column
};

SampleSet draw_samples(const Study& study, unsigned threads);

// The random stream of one input: splitmix64 over (seed, stream).
class RandomStream {
public:
    RandomStream(std::uint64_t seed, std::uint64_t stream);
    std::uint64_t next();
    // Uniform on (0, 1), never 0 or 1.
    double open_unit();
    // Uniform integer in [0, bound).
    std::uint64_t below(std::uint64_t bound);

private:
    std::uint64_t state_;
};

// Ranks (0-based, ties broken by position) of `values`.
std::vector<std::uint32_t> ranks_of(const std::vector<double>& values);

// Spearman rank correlation from two rank vectors over the same samples.
double rank_correlation(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b);

}  // namespace dur::host

#endif
