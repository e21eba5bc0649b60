// A probabilistic study as the user wrote it in TOML, checked.
#ifndef HOST_STUDY_FILE_H
#define HOST_STUDY_FILE_H

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue.h"
#include "distribution.h"

namespace dur::host {

enum class SamplingMethod {
    latin_hypercube,
    monte_carlo,
};

struct RandomInput {
    InputSlot slot;
    Distribution distribution;
};

struct RankCorrelation {
    std::size_t first;   // indices into Study::random
    std::size_t second;
    double rank;
    int line;
};

struct TimeGrid {
    double start;
    double end;
    double step;
    std::vector<double> times() const;
};

struct Study {
    std::filesystem::path file;
    const ExportInfo* export_info = nullptr;
    std::size_t samples = 0;
    SamplingMethod method = SamplingMethod::latin_hypercube;
    std::uint64_t seed = 1;
    double target_beta = 1.3;
    TimeGrid time{0.0, 100.0, 1.0};
    std::vector<double> fixed;          // the whole vector, deterministic inputs filled in
    std::vector<RandomInput> random;    // in the order of the layout
    std::vector<RankCorrelation> correlations;
};

// Reads and checks a study file. Throws InputError as "FILE:LINE: what was
// expected".
Study read_study(const std::filesystem::path& file);

}  // namespace dur::host

#endif
