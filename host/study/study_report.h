// Everything a finished study writes: summary.json, curve.csv, samples.csv
// (on request) and the gnuplot plots.
#ifndef HOST_STUDY_REPORT_H
#define HOST_STUDY_REPORT_H

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "sampler.h"
#include "statistics.h"
#include "study_file.h"

namespace dur::host {

struct StudyReport {
    const Study* study = nullptr;
    unsigned threads = 1;
    std::vector<CurvePoint> curve;
    ResultSummary result{};
    std::optional<double> first_below_target;
    std::vector<double> sensitivity;
    std::uint64_t calls = 0;
    std::uint64_t reporting_calls = 0;
    std::uint64_t nan_results = 0;
    std::vector<std::string> logs;
    double elapsed_seconds = 0.0;
};

void write_summary_json(const std::filesystem::path& dir, const StudyReport& report);
void write_curve_csv(const std::filesystem::path& dir, const StudyReport& report);
void write_samples_csv(const std::filesystem::path& dir, const Study& study, const SampleSet& samples,
                       const std::vector<double>& result);

// Writes the plot data and gnuplot scripts, then draws the SVGs if gnuplot
// is on the PATH; `sorted` holds the results that are not NaN, ascending.
// Returns what the user should be told.
std::string write_plots(const std::filesystem::path& dir, const StudyReport& report,
                        const std::vector<double>& sorted);

}  // namespace dur::host

#endif
