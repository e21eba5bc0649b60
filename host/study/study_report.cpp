#include "study_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <sstream>

#include <unistd.h>

#include "atomic_file.h"
#include "host_error.h"

namespace dur::host {
namespace {

// A JSON number; JSON has no NaN or infinity, so those are null.
std::string json_number(double v)
{
    if (!std::isfinite(v))
        return "null";
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", v);
    return text;
}

std::string json_string(const std::string& s)
{
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string csv_number(double v)
{
    if (std::isnan(v))
        return "nan";
    if (std::isinf(v))
        return v > 0 ? "inf" : "-inf";
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", v);
    return text;
}

const char* method_name(SamplingMethod m) { return m == SamplingMethod::latin_hypercube ? "lhs" : "mc"; }

bool on_path(const std::string& program)
{
    const char* path = std::getenv("PATH");
    if (path == nullptr)
        return false;
    std::stringstream dirs(path);
    std::string dir;
    while (std::getline(dirs, dir, ':'))
        if (!dir.empty() && access((dir + "/" + program).c_str(), X_OK) == 0)
            return true;
    return false;
}

}  // namespace

void write_summary_json(const std::filesystem::path& dir, const StudyReport& r)
{
    const Study& study = *r.study;
    const ExportInfo& info = *study.export_info;
    std::ostringstream j;
    j << "{\n  \"study\": {\n";
    j << "    \"file\": " << json_string(study.file.string()) << ",\n";
    j << "    \"export\": " << json_string(info.name) << ",\n";
    j << "    \"result\": " << json_string(info.kind == ResultKind::depth ? "depth" : "initiation time") << ",\n";
    j << "    \"samples\": " << study.samples << ",\n";
    j << "    \"method\": " << json_string(method_name(study.method)) << ",\n";
    j << "    \"seed\": " << study.seed << ",\n";
    j << "    \"target_beta\": " << json_number(study.target_beta) << ",\n";
    j << "    \"time\": {\"start\": " << json_number(study.time.start) << ", \"end\": " << json_number(study.time.end)
      << ", \"step\": " << json_number(study.time.step) << "},\n";
    j << "    \"inputs\": {\n";
    for (std::size_t p = 0; p < info.layout.size(); ++p) {
        const InputSlot& slot = info.layout[p];
        j << "      " << json_string(slot.symbol) << ": ";
        const auto random = std::find_if(study.random.begin(), study.random.end(),
                                         [&](const RandomInput& ri) { return ri.slot.position == slot.position; });
        if (random == study.random.end()) {
            j << json_number(study.fixed[p]);
        } else {
            j << "{\"dist\": " << json_string(random->distribution.kind());
            for (const auto& [name, value] : random->distribution.parameters())
                j << ", " << json_string(name) << ": " << json_number(value);
            j << "}";
        }
        j << (p + 1 < info.layout.size() ? ",\n" : "\n");
    }
    j << "    },\n    \"correlations\": [";
    for (std::size_t c = 0; c < study.correlations.size(); ++c)
        j << (c ? ", " : "") << "{\"inputs\": [" << json_string(study.random[study.correlations[c].first].slot.symbol)
          << ", " << json_string(study.random[study.correlations[c].second].slot.symbol)
          << "], \"rank\": " << json_number(study.correlations[c].rank) << "}";
    j << "],\n    \"threads\": " << r.threads << "\n  },\n";

    j << "  \"result\": {\"unit\": " << json_string(info.unit) << ", \"mean\": " << json_number(r.result.mean)
      << ", \"sd\": " << json_number(r.result.sd) << ", \"q05\": " << json_number(r.result.q05)
      << ", \"q50\": " << json_number(r.result.q50) << ", \"q95\": " << json_number(r.result.q95)
      << ", \"count\": " << r.result.count << "},\n";

    j << "  \"curve\": [\n";
    for (std::size_t k = 0; k < r.curve.size(); ++k) {
        const CurvePoint& c = r.curve[k];
        j << "    {\"t_years\": " << json_number(c.t) << ", \"Pf\": " << json_number(c.pf)
          << ", \"beta\": " << json_number(c.beta) << ", \"Pf_low\": " << json_number(c.pf_low)
          << ", \"Pf_high\": " << json_number(c.pf_high) << ", \"Pf_cov\": " << json_number(c.cov)
          << ", \"valid_samples\": " << c.valid << "}" << (k + 1 < r.curve.size() ? ",\n" : "\n");
    }
    j << "  ],\n";
    j << "  \"first_time_below_target\": "
      << (r.first_below_target ? json_number(*r.first_below_target) : std::string("null")) << ",\n";
    j << "  \"sensitivity\": {";
    for (std::size_t s = 0; s < r.sensitivity.size(); ++s)
        j << (s ? ", " : "") << json_string(study.random[s].slot.symbol) << ": " << json_number(r.sensitivity[s]);
    j << "},\n";
    j << "  \"calls\": {\"evaluations\": " << r.calls << ", \"reporting_calls\": " << r.reporting_calls
      << ", \"nan_results\": " << r.nan_results << ", \"logs\": [";
    for (std::size_t l = 0; l < r.logs.size(); ++l)
        j << (l ? ", " : "") << json_string(r.logs[l]);
    j << "]},\n";
    j << "  \"elapsed_seconds\": " << json_number(r.elapsed_seconds) << "\n}\n";
    write_file_atomically(dir / "summary.json", j.str());
}

void write_curve_csv(const std::filesystem::path& dir, const StudyReport& r)
{
    std::ostringstream out;
    out << "t_years,Pf,beta,Pf_low,Pf_high\n";
    for (const CurvePoint& c : r.curve)
        out << csv_number(c.t) << ',' << csv_number(c.pf) << ',' << csv_number(c.beta) << ','
            << csv_number(c.pf_low) << ',' << csv_number(c.pf_high) << '\n';
    write_file_atomically(dir / "curve.csv", out.str());
}

void write_samples_csv(const std::filesystem::path& dir, const Study& study, const SampleSet& samples,
                       const std::vector<double>& result)
{
    AtomicFile file(dir / "samples.csv");
    std::ofstream& out = file.stream();
    for (const RandomInput& ri : study.random)
        out << ri.slot.symbol << ',';
    out << "result\n";
    char text[32];
    for (std::size_t i = 0; i < samples.count; ++i) {
        for (const std::vector<double>& column : samples.columns) {
            std::snprintf(text, sizeof text, "%.17g,", column[i]);
            out << text;
        }
        std::snprintf(text, sizeof text, "%.17g\n", result[i]);
        out << text;
    }
    file.commit();
}

std::string write_plots(const std::filesystem::path& dir, const StudyReport& r, const std::vector<double>& sorted)
{
    const Study& study = *r.study;
    const ExportInfo& info = *study.export_info;

    // Histogram of the finite results, 50 bins between the 0.5 % and 99.5 %
    // quantiles so that a few extreme values do not flatten it.
    // The infinities stand at the two ends of the sorted results.
    const auto first = std::find_if(sorted.begin(), sorted.end(), [](double x) { return std::isfinite(x); });
    const auto last = std::find_if(sorted.rbegin(), sorted.rend(), [](double x) { return std::isfinite(x); }).base();
    const std::span<const double> finite(first, first < last ? last : first);
    std::ostringstream hist;
    hist << "# bin_centre count\n";
    if (!finite.empty()) {
        const double lo = finite[finite.size() / 200];
        const double hi = finite[finite.size() - 1 - finite.size() / 200];
        const int bins = 50;
        const double width = hi > lo ? (hi - lo) / bins : 1.0;
        std::vector<std::uint64_t> counts(bins, 0);
        for (double x : finite)
            if (x >= lo && x <= hi)
                ++counts[static_cast<std::size_t>(std::min<double>(bins - 1, std::floor((x - lo) / width)))];
        for (int b = 0; b < bins; ++b)
            hist << lo + (b + 0.5) * width << ' ' << counts[static_cast<std::size_t>(b)] << '\n';
    }
    write_file_atomically(dir / "histogram.dat", hist.str());

    std::ostringstream sens;
    sens << "# input rank_correlation\n";
    for (std::size_t s = 0; s < r.sensitivity.size(); ++s)
        sens << study.random[s].slot.symbol << ' ' << csv_number(r.sensitivity[s]) << '\n';
    write_file_atomically(dir / "sensitivity.dat", sens.str());

    const std::string crossing = r.first_below_target ? csv_number(*r.first_below_target) : "";
    std::ostringstream beta;
    beta << "# beta(t) and Pf(t); draw with: gnuplot beta.gp\n"
         << "set encoding utf8\nset terminal svg size 900,560 dynamic background rgb 'white'\n"
         << "set output 'beta.svg.partial'\n"
         << "set datafile separator ','\n"
         << "set title \"" << info.name << ": reliability index and probability of initiation\" noenhanced\n"
         << "set xlabel 'time (years)'\nset ylabel 'reliability index β'\n"
         << "set y2label 'P_f'\nset y2tics\nset ytics nomirror\nset grid\nset key top right\n"
         << "set yrange [-1:5]\nset y2range [0:1]\n"
         << "set arrow from graph 0, first " << study.target_beta << " to graph 1, first " << study.target_beta
         << " nohead dt 2 lc rgb 'red'\n"
         << "set label 'target β = " << study.target_beta << "' at graph 0.02, first "
         << study.target_beta + 0.15 << " tc rgb 'red'\n";
    if (!crossing.empty())
        beta << "set arrow from " << crossing << ", graph 0 to " << crossing << ", graph 1 nohead dt 3 lc rgb 'black'\n"
             << "set label 'crossing at " << crossing << " years' at " << crossing << ", graph 0.92 offset 1,0\n";
    beta << "plot 'curve.csv' every ::1 using 1:3 with lines lw 2 lc rgb 'navy' title 'β(t)', \\\n"
         << "     '' every ::1 using 1:2 axes x1y2 with lines lw 2 lc rgb 'dark-orange' title 'P_f(t)', \\\n"
         << "     '' every ::1 using 1:4:5 axes x1y2 with filledcurves fs transparent solid 0.2 lc rgb 'dark-orange' "
            "title '95 % band'\n";
    write_file_atomically(dir / "beta.gp", beta.str());

    std::ostringstream h;
    h << "# histogram of the result; draw with: gnuplot histogram.gp\n"
      << "reset\nset datafile separator whitespace\n"
      << "set encoding utf8\nset terminal svg size 900,560 dynamic background rgb 'white'\n"
      << "set output 'histogram.svg.partial'\n"
      << "set title \"" << info.name << ": distribution of the "
      << (info.kind == ResultKind::depth ? "depth at the last time" : "initiation time") << "\" noenhanced\n"
      << "set xlabel '" << (info.kind == ResultKind::depth ? "depth" : "initiation time") << " (" << info.unit
      << ")'\nset ylabel 'samples'\nset style fill solid 0.6\nset boxwidth 0.95 relative\nset grid\n";
    if (info.kind == ResultKind::depth) {
        const double cover = study.fixed[static_cast<std::size_t>(info.cover_position - 1)];
        const auto random_cover = std::find_if(study.random.begin(), study.random.end(), [&](const RandomInput& ri) {
            return ri.slot.position == info.cover_position;
        });
        const double shown = random_cover == study.random.end()
                                 ? cover
                                 : random_cover->distribution.quantile(0.5);
        h << "set arrow from " << shown << ", graph 0 to " << shown << ", graph 1 nohead lw 2 lc rgb 'red'\n"
          << "set label '" << (random_cover == study.random.end() ? "cover" : "median cover") << "' at " << shown
          << ", graph 0.95 offset 1,0 tc rgb 'red'\n";
    }
    h << "plot 'histogram.dat' using 1:2 with boxes lc rgb 'steelblue' notitle\n";
    write_file_atomically(dir / "histogram.gp", h.str());

    std::ostringstream s;
    s << "# rank-correlation sensitivity; draw with: gnuplot sensitivity.gp\n"
      << "reset\nset datafile separator whitespace\n"
      << "set encoding utf8\nset terminal svg size 900,560 dynamic background rgb 'white'\n"
      << "set output 'sensitivity.svg.partial'\n"
      << "set title \"" << info.name << ": rank correlation of each random input with the result\" noenhanced\n"
      << "set ylabel 'Spearman rank correlation'\nset yrange [-1:1]\nset style fill solid 0.7\n"
      << "set boxwidth 0.6\nset grid ytics\nset xzeroaxis\n"
      << "plot 'sensitivity.dat' using 0:2:xtic(1) with boxes lc rgb 'seagreen' notitle\n";
    write_file_atomically(dir / "sensitivity.gp", s.str());

    if (!on_path("gnuplot"))
        return "gnuplot not found: the plot data and scripts are in " + dir.string() +
               "; draw them with: cd " + dir.string() + " && gnuplot beta.gp histogram.gp sensitivity.gp";
    // One gnuplot for the three plots: it starts once.
    const std::string command =
        "cd '" + dir.string() + "' && gnuplot beta.gp histogram.gp sensitivity.gp 2>/dev/null";
    const int status = std::system(command.c_str());
    std::string drawn;
    for (const char* plot : {"beta", "histogram", "sensitivity"}) {
        const std::filesystem::path partial = dir / (std::string(plot) + ".svg.partial");
        if (status == 0 && std::filesystem::exists(partial)) {
            std::filesystem::rename(partial, dir / (std::string(plot) + ".svg"));
            drawn += (drawn.empty() ? "" : ", ") + (dir / (std::string(plot) + ".svg")).string();
        } else {
            std::error_code ignored;
            std::filesystem::remove(partial, ignored);
        }
    }
    return drawn.empty() ? "gnuplot failed; the plot scripts are in " + dir.string() : "plots: " + drawn;
}

}  // namespace dur::host
