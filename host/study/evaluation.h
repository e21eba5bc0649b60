// Runs a study's samples through the export, in parallel, each thread with
// an input vector of its own (the carbonation plug-ins write into theirs).
#ifndef HOST_STUDY_EVALUATION_H
#define HOST_STUDY_EVALUATION_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "frame/plugin_api.h"
#include "sampler.h"
#include "study_file.h"

namespace dur::host {

struct Evaluation {
    // Per sample: the initiation time, or for a depth export the depth at
    // the last time of the grid.
    std::vector<double> result;
    // The results that are not NaN, in ascending order: the one sort that
    // Pf, the quantiles and the histogram share.
    std::vector<double> sorted;
    // Per time: samples that had failed (initiation by then, or depth at
    // least the cover) and samples whose result was NaN.
    std::vector<std::uint64_t> failures;
    std::vector<std::uint64_t> nan_results;
    std::uint64_t calls = 0;
};

// `progress(done, total)` is called from the first thread now and then.
Evaluation evaluate(const Study& study, const SampleSet& samples, dur_export_fn f, const std::vector<double>& times,
                    unsigned threads, const std::function<void(std::size_t, std::size_t)>& progress);

}  // namespace dur::host

#endif
