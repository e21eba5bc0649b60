#include "statistics.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <boost/math/distributions/normal.hpp>

namespace dur::host {
namespace {

constexpr double z95 = 1.959963984540054;  // two-sided 95 % normal quantile

double quantile_of_sorted(const std::vector<double>& sorted, double p)
{
    const double position = p * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(position));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double fraction = position - static_cast<double>(below);
    return sorted[below] + fraction * (sorted[above] - sorted[below]);
}

}  // namespace

double reliability_index(double pf)
{
    if (pf <= 0.0)
        return std::numeric_limits<double>::infinity();
    if (pf >= 1.0)
        return -std::numeric_limits<double>::infinity();
    return -boost::math::quantile(boost::math::normal_distribution<double>(), pf);
}

std::vector<CurvePoint> probability_curve(const std::vector<double>& times, const Evaluation& ev)
{
    std::vector<CurvePoint> curve;
    const std::uint64_t total = ev.result.size();
    for (std::size_t k = 0; k < times.size(); ++k) {
        CurvePoint c{};
        c.t = times[k];
        c.valid = total - ev.nan_results[k];
        const double n = static_cast<double>(c.valid);
        const double p = c.valid > 0 ? static_cast<double>(ev.failures[k]) / n : std::nan("");
        c.pf = p;
        c.beta = reliability_index(p);
        // Wilson's interval stays inside [0, 1] and behaves at p = 0, where
        // a design check usually starts.
        const double z2 = z95 * z95;
        const double centre = (p + z2 / (2.0 * n)) / (1.0 + z2 / n);
        const double half = z95 * std::sqrt(p * (1.0 - p) / n + z2 / (4.0 * n * n)) / (1.0 + z2 / n);
        c.pf_low = std::max(0.0, centre - half);
        c.pf_high = std::min(1.0, centre + half);
        c.cov = p > 0.0 ? std::sqrt((1.0 - p) / (n * p)) : std::numeric_limits<double>::infinity();
        curve.push_back(c);
    }
    return curve;
}

std::optional<double> first_time_below(const std::vector<CurvePoint>& curve, double target)
{
    for (const CurvePoint& c : curve)
        if (c.beta < target)
            return c.t;
    return std::nullopt;
}

ResultSummary summarise(const std::vector<double>& sorted)
{
    ResultSummary s{};
    s.count = sorted.size();
    if (sorted.empty()) {
        s.mean = s.sd = s.q05 = s.q50 = s.q95 = std::nan("");
        return s;
    }
    // In ascending order, so the sums are the same on every run.
    double sum = 0.0;
    for (double x : sorted)
        sum += x;
    s.mean = sum / static_cast<double>(sorted.size());
    double squares = 0.0;
    for (double x : sorted)
        squares += (x - s.mean) * (x - s.mean);
    s.sd = sorted.size() > 1 ? std::sqrt(squares / static_cast<double>(sorted.size() - 1)) : 0.0;
    s.q05 = quantile_of_sorted(sorted, 0.05);
    s.q50 = quantile_of_sorted(sorted, 0.50);
    s.q95 = quantile_of_sorted(sorted, 0.95);
    return s;
}

std::vector<double> sensitivity(const SampleSet& samples, const std::vector<double>& result)
{
    const std::vector<std::uint32_t> result_ranks = ranks_of(result);
    std::vector<double> rho;
    for (const std::vector<std::uint32_t>& ranks : samples.ranks)
        rho.push_back(rank_correlation(ranks, result_ranks));
    return rho;
}

}  // namespace dur::host
