// A probabilistic study from a TOML file: sample, evaluate, report.
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "commands.h"
#include "host_error.h"
#include "parallel.h"
#include "plugin_set.h"
#include "study/evaluation.h"
#include "study/sampler.h"
#include "study/statistics.h"
#include "study/study_report.h"
#include "study/study_file.h"
#include "working_directory.h"

namespace dur::host {
namespace {

// Fails before any sampling if the results cannot be written.
void prepare_output_directory(const std::filesystem::path& dir)
{
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec || !std::filesystem::is_directory(dir))
        throw RunError("cannot create the output directory " + dir.string() + (ec ? ": " + ec.message() : ""));
    const std::filesystem::path probe = dir / ".durhost-write-test";
    {
        std::ofstream out(probe);
        if (!(out << "x") || !out.flush())
            throw RunError("cannot write into the output directory " + dir.string());
    }
    std::filesystem::remove(probe, ec);
}

std::string format_beta(double beta)
{
    char text[32];
    if (std::isinf(beta))
        return beta > 0 ? "inf" : "-inf";
    std::snprintf(text, sizeof text, "%.3f", beta);
    return text;
}

}  // namespace

int study_command(const StudyOptions& options)
{
    const auto started = std::chrono::steady_clock::now();
    // DURHOST_TIMING=1 prints how long each phase took, for tuning.
    const bool timing = std::getenv("DURHOST_TIMING") != nullptr;
    auto phase_start = started;
    auto phase = [&](const char* name) {
        const auto now = std::chrono::steady_clock::now();
        if (timing)
            std::fprintf(stderr, "%-12s %8.3f s\n", name, std::chrono::duration<double>(now - phase_start).count());
        phase_start = now;
    };
    const Study study = read_study(options.study);
    const std::filesystem::path dir = std::filesystem::absolute(
        options.output ? *options.output : std::filesystem::path(options.study.stem().string() + "-results"));
    prepare_output_directory(dir);

    PluginSet plugins(options.plugins);
    const dur_export_fn f = plugins.bind(*study.export_info);
    const unsigned threads = options.threads == 0 ? default_thread_count() : options.threads;
    const bool show_progress = !options.quiet && isatty(STDERR_FILENO) != 0;

    if (show_progress)
        std::fprintf(stderr, "sampling %zu x %zu inputs...\n", study.samples, study.random.size());
    const SampleSet samples = draw_samples(study, threads);
    phase("sampling");
    const std::vector<double> times = study.time.times();

    // The plug-ins log into the results directory.
    const std::filesystem::path log = dir / study.export_info->log;
    const std::size_t log_lines_before = count_lines(log);
    Evaluation ev;
    {
        WorkingDirectory cwd(dir);
        ev = evaluate(study, samples, f, times, threads, [&](std::size_t done, std::size_t total) {
            if (show_progress)
                std::fprintf(stderr, "\revaluating %3.0f %%", 100.0 * static_cast<double>(done) / static_cast<double>(total));
        });
    }
    if (show_progress)
        std::fprintf(stderr, "\revaluating 100 %%\n");
    phase("evaluation");

    StudyReport report;
    report.study = &study;
    report.threads = threads;
    report.curve = probability_curve(times, ev);
    report.result = summarise(ev.sorted);
    report.first_below_target = first_time_below(report.curve, study.target_beta);
    phase("statistics");
    report.sensitivity = sensitivity(samples, ev.result);
    phase("sensitivity");
    report.calls = ev.calls;
    for (std::uint64_t n : ev.nan_results)
        report.nan_results = std::max(report.nan_results, n);
    const std::size_t log_lines_after = count_lines(log);
    if (log_lines_after > 0)
        report.logs.push_back(log.string());
    report.reporting_calls = log_lines_after - log_lines_before;

    write_curve_csv(dir, report);
    if (options.keep_samples)
        write_samples_csv(dir, study, samples, ev.result);
    phase("csv");
    const std::string plots = write_plots(dir, report, ev.sorted);
    phase("plots");
    report.elapsed_seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    write_summary_json(dir, report);

    if (!options.quiet) {
        std::printf("%s, %zu samples (%s), %zu random inputs, %u threads, %.2f s\n", study.export_info->name,
                    study.samples, study.method == SamplingMethod::latin_hypercube ? "lhs" : "mc", study.random.size(),
                    threads, report.elapsed_seconds);
        std::printf("  %8s  %10s  %8s\n", "t (y)", "Pf", "beta");
        const std::size_t shown = std::min<std::size_t>(report.curve.size(), 6);
        for (std::size_t s = 0; s < shown; ++s) {
            const std::size_t k = shown == 1 ? 0 : s * (report.curve.size() - 1) / (shown - 1);
            const CurvePoint& c = report.curve[k];
            std::printf("  %8g  %10.4g  %8s\n", c.t, c.pf, format_beta(c.beta).c_str());
        }
        if (report.first_below_target)
            std::printf("beta falls below the target %g at t = %g years\n", study.target_beta, *report.first_below_target);
        else
            std::printf("beta stays above the target %g up to t = %g years\n", study.target_beta, times.back());
        if (report.reporting_calls > 0)
            std::printf("%llu calls reported inadmissible inputs (see %s)\n",
                        static_cast<unsigned long long>(report.reporting_calls), report.logs.front().c_str());
        if (report.nan_results > 0)
            std::printf("warning: %llu samples gave NaN results; they are left out of Pf\n",
                        static_cast<unsigned long long>(report.nan_results));
        std::printf("results: %s\n%s\n", dir.c_str(), plots.c_str());
    }
    return exit_ok;
}

}  // namespace dur::host
