#include "sampler.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include <boost/math/distributions/normal.hpp>

#include "host_error.h"
#include "parallel.h"

namespace dur::host {
namespace {

using Matrix = std::vector<std::vector<double>>;  // row-major, small (inputs x inputs)

// Streams: input j draws from stream j; its Iman-Conover scores from stream
// score_stream + j.
constexpr std::uint64_t score_stream = 0x10000;

// Lower Cholesky factor of a symmetric matrix; false if not positive definite.
bool cholesky(const Matrix& a, Matrix& l)
{
    const std::size_t n = a.size();
    l.assign(n, std::vector<double>(n, 0.0));
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j <= i; ++j) {
            double sum = a[i][j];
            for (std::size_t k = 0; k < j; ++k)
                sum -= l[i][k] * l[j][k];
            if (i == j) {
                if (!(sum > 1e-12))
                    return false;
                l[i][i] = std::sqrt(sum);
            } else {
                l[i][j] = sum / l[j][j];
            }
        }
    }
    return true;
}

// Inverse of a lower triangular matrix.
Matrix lower_inverse(const Matrix& l)
{
    const std::size_t n = l.size();
    Matrix inv(n, std::vector<double>(n, 0.0));
    for (std::size_t i = 0; i < n; ++i) {
        inv[i][i] = 1.0 / l[i][i];
        for (std::size_t j = 0; j < i; ++j) {
            double sum = 0.0;
            for (std::size_t k = j; k < i; ++k)
                sum -= l[i][k] * inv[k][j];
            inv[i][j] = sum / l[i][i];
        }
    }
    return inv;
}

void draw_column(const Study& study, std::size_t j, SampleSet& set)
{
    const std::size_t n = study.samples;
    RandomStream stream(study.seed, j);
    std::vector<double>& column = set.columns[j];
    column.resize(n);
    if (study.method == SamplingMethod::latin_hypercube) {
        // One value from each of n equal-probability strata, in random order.
        std::vector<std::uint32_t>& stratum = set.ranks[j];
        stratum.resize(n);
        std::iota(stratum.begin(), stratum.end(), 0u);
        for (std::size_t i = n - 1; i > 0; --i)
            std::swap(stratum[i], stratum[stream.below(i + 1)]);
        const Distribution& d = study.random[j].distribution;
        for (std::size_t i = 0; i < n; ++i)
            column[i] = d.quantile((stratum[i] + stream.open_unit()) / static_cast<double>(n));
        // The quantile is monotone, so the stratum is the value's rank.
    } else {
        const Distribution& d = study.random[j].distribution;
        for (std::size_t i = 0; i < n; ++i)
            column[i] = d.quantile(stream.open_unit());
        set.ranks[j] = ranks_of(column);
    }
}

// Iman-Conover: reorder the columns of the correlated inputs so that their
// rank correlations approach the targets, leaving each column's values (and
// so its distribution and stratification) as drawn.
void impose_rank_correlations(const Study& study, SampleSet& set, unsigned threads)
{
    if (study.correlations.empty())
        return;
    std::vector<std::size_t> involved;
    for (const RankCorrelation& c : study.correlations)
        for (std::size_t j : {c.first, c.second})
            if (std::find(involved.begin(), involved.end(), j) == involved.end())
                involved.push_back(j);
    std::sort(involved.begin(), involved.end());
    const std::size_t k = involved.size();
    auto slot_of = [&](std::size_t j) {
        return static_cast<std::size_t>(std::find(involved.begin(), involved.end(), j) - involved.begin());
    };

    // Target correlation of normal scores: Pearson's r = 2 sin(pi rho / 6)
    // gives the rank correlation rho for a normal pair.
    Matrix target(k, std::vector<double>(k, 0.0));
    for (std::size_t i = 0; i < k; ++i)
        target[i][i] = 1.0;
    for (const RankCorrelation& c : study.correlations) {
        const double r = 2.0 * std::sin(M_PI * c.rank / 6.0);
        target[slot_of(c.first)][slot_of(c.second)] = r;
        target[slot_of(c.second)][slot_of(c.first)] = r;
    }
    Matrix p;
    if (!cholesky(target, p))
        throw InputError(study.file.string() + ":" + std::to_string(study.correlations.front().line) +
                         ": the rank correlations do not form a positive definite matrix");

    // Van der Waerden scores, randomly permuted per column.
    const std::size_t n = study.samples;
    const boost::math::normal_distribution<double> standard;
    std::vector<double> scores(n);
    parallel_blocks(n, threads, [&](unsigned, std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i)
            scores[i] = boost::math::quantile(standard, static_cast<double>(i + 1) / static_cast<double>(n + 1));
    });
    Matrix s(k);
    for (std::size_t c = 0; c < k; ++c) {
        s[c] = scores;
        RandomStream stream(study.seed, score_stream + involved[c]);
        for (std::size_t i = n - 1; i > 0; --i)
            std::swap(s[c][i], s[c][stream.below(i + 1)]);
    }
    // Their actual correlation E, factored, is undone and the target put on:
    // S* = S (P Q^-1)^T with E = Q Q^T.
    Matrix e(k, std::vector<double>(k, 0.0));
    for (std::size_t a = 0; a < k; ++a)
        for (std::size_t b = 0; b <= a; ++b) {
            double sum = 0.0;
            for (std::size_t i = 0; i < n; ++i)
                sum += s[a][i] * s[b][i];
            e[a][b] = e[b][a] = sum;
        }
    for (std::size_t a = 0; a < k; ++a)
        for (std::size_t b = 0; b < k; ++b)
            if (a != b)
                e[a][b] /= std::sqrt(e[a][a] * e[b][b]);
    for (std::size_t a = 0; a < k; ++a)
        e[a][a] = 1.0;
    Matrix q;
    if (!cholesky(e, q))
        throw RunError("the sampled scores are degenerate; use more samples");
    const Matrix q_inverse = lower_inverse(q);
    Matrix t(k, std::vector<double>(k, 0.0));
    for (std::size_t a = 0; a < k; ++a)
        for (std::size_t b = 0; b < k; ++b)
            for (std::size_t m = 0; m < k; ++m)
                t[a][b] += p[a][m] * q_inverse[m][b];

    parallel_blocks(k, threads, [&](unsigned, std::size_t begin, std::size_t end) {
        for (std::size_t c = begin; c < end; ++c) {
            std::vector<double> target_scores(n, 0.0);
            for (std::size_t i = 0; i < n; ++i)
                for (std::size_t m = 0; m <= c; ++m)
                    target_scores[i] += t[c][m] * s[m][i];
            const std::vector<std::uint32_t> rank = ranks_of(target_scores);
            std::vector<double>& column = set.columns[involved[c]];
            // The column's ranks give its sorted order without a sort.
            const std::vector<std::uint32_t>& drawn_rank = set.ranks[involved[c]];
            std::vector<double> sorted(n);
            for (std::size_t i = 0; i < n; ++i)
                sorted[drawn_rank[i]] = column[i];
            for (std::size_t i = 0; i < n; ++i)
                column[i] = sorted[rank[i]];
            set.ranks[involved[c]] = rank;
        }
    });
}

}  // namespace

SampleSet draw_samples(const Study& study, unsigned threads)
{
    SampleSet set;
    set.count = study.samples;
    set.columns.resize(study.random.size());
    set.ranks.resize(study.random.size());
    parallel_blocks(study.random.size(), threads, [&](unsigned, std::size_t begin, std::size_t end) {
        for (std::size_t j = begin; j < end; ++j)
            draw_column(study, j, set);
    });
    impose_rank_correlations(study, set, threads);
    return set;
}

}  // namespace dur::host
