#include "evaluation.h"

#include <algorithm>
#include <cmath>

#include "parallel.h"

namespace dur::host {
namespace {

// The vector of one sample: the deterministic inputs, then the sampled ones.
void fill(const Study& study, const SampleSet& samples, std::size_t i, std::vector<double>& v)
{
    std::copy(study.fixed.begin(), study.fixed.end(), v.begin());
    for (std::size_t j = 0; j < study.random.size(); ++j)
        v[static_cast<std::size_t>(study.random[j].slot.position - 1)] = samples.columns[j][i];
}

}  // namespace

Evaluation evaluate(const Study& study, const SampleSet& samples, dur_export_fn f, const std::vector<double>& times,
                    unsigned threads, const std::function<void(std::size_t, std::size_t)>& progress)
{
    const std::size_t n = samples.count;
    const ExportInfo& info = *study.export_info;
    const bool depth = info.kind == ResultKind::depth;
    Evaluation ev;
    ev.result.assign(n, 0.0);

    // Integer counts per thread, summed afterwards: the totals do not
    // depend on how the samples were split.
    threads = std::max(1u, threads);
    std::vector<std::vector<std::uint64_t>> failures(threads, std::vector<std::uint64_t>(times.size(), 0));
    std::vector<std::vector<std::uint64_t>> nans(threads, std::vector<std::uint64_t>(times.size(), 0));

    parallel_blocks(n, threads, [&](unsigned t, std::size_t begin, std::size_t end) {
        std::vector<double> v(study.fixed.size());
        std::vector<double> fresh(study.fixed.size());
        for (std::size_t i = begin; i < end; ++i) {
            if (t == 0 && (i - begin) % 65536 == 0)
                progress(i - begin, end - begin);
            if (!depth) {
                fill(study, samples, i, v);
                ev.result[i] = f(0, v.data());
                continue;
            }
            fill(study, samples, i, fresh);
            const std::size_t cover = static_cast<std::size_t>(info.cover_position - 1);
            const std::size_t time = static_cast<std::size_t>(info.time_position - 1);
            for (std::size_t k = 0; k < times.size(); ++k) {
                v = fresh;
                v[time] = times[k];
                const double x = f(0, v.data());
                if (std::isnan(x))
                    ++nans[t][k];
                else if (x >= fresh[cover])
                    ++failures[t][k];
                if (k + 1 == times.size())
                    ev.result[i] = x;
            }
        }
    });

    ev.sorted.reserve(n);
    for (double x : ev.result)
        if (!std::isnan(x))
            ev.sorted.push_back(x);
    std::sort(ev.sorted.begin(), ev.sorted.end());

    ev.failures.assign(times.size(), 0);
    ev.nan_results.assign(times.size(), 0);
    if (depth) {
        for (unsigned t = 0; t < threads; ++t)
            for (std::size_t k = 0; k < times.size(); ++k) {
                ev.failures[k] += failures[t][k];
                ev.nan_results[k] += nans[t][k];
            }
        ev.calls = static_cast<std::uint64_t>(n) * times.size();
    } else {
        // P(ti <= t) from the sorted times.
        const std::uint64_t nan = n - ev.sorted.size();
        for (std::size_t k = 0; k < times.size(); ++k) {
            ev.failures[k] = static_cast<std::uint64_t>(
                std::upper_bound(ev.sorted.begin(), ev.sorted.end(), times[k]) - ev.sorted.begin());
            ev.nan_results[k] = nan;
        }
        ev.calls = n;
    }
    return ev;
}

}  // namespace dur::host
