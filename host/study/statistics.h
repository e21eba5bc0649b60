// What a study reports: Pf(t) and beta(t) with their confidence, the spread
// of the result, and which inputs drive it.
#ifndef HOST_STUDY_STATISTICS_H
#define HOST_STUDY_STATISTICS_H

#include <cstdint>
#include <optional>
#include <vector>

#include "evaluation.h"
#include "sampler.h"

namespace dur::host {

struct CurvePoint {
    double t;
    double pf;        // estimated probability of initiation by t
    double beta;      // -Phi^-1(pf); +inf when pf = 0
    double pf_low;    // 95 % confidence band (Wilson score interval)
    double pf_high;
    double cov;       // coefficient of variation of the estimate
    std::uint64_t valid;  // samples with a result (not NaN)
};

struct ResultSummary {
    double mean, sd, q05, q50, q95;
    std::uint64_t count;  // non-NaN results
};

std::vector<CurvePoint> probability_curve(const std::vector<double>& times, const Evaluation& ev);

// Reliability index of a probability.
double reliability_index(double pf);

// The first time at which beta falls below `target`.
std::optional<double> first_time_below(const std::vector<CurvePoint>& curve, double target);

// From the results that are not NaN, sorted ascending.
ResultSummary summarise(const std::vector<double>& sorted);

// Spearman rank correlation of each random input with the result.
std::vector<double> sensitivity(const SampleSet& samples, const std::vector<double>& result);

}  // namespace dur::host

#endif
