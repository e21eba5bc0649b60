#include "study_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include <toml++/toml.h>

#include "host_error.h"
#include "toml_guard.h"

namespace dur::host {
namespace {

class Reader {
public:
    explicit Reader(std::filesystem::path file) : file_(std::move(file)) {}

    [[noreturn]] void fail(const toml::node* at, const std::string& what) const
    {
        const int line = at != nullptr ? static_cast<int>(at->source().begin.line) : 0;
        fail_at(line, what);
    }
    [[noreturn]] void fail_at(int line, const std::string& what) const
    {
        throw InputError(file_.string() + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + what);
    }

    double number(const toml::node& node, const std::string& key) const
    {
        if (const auto v = node.value<double>())
            return *v;
        fail(&node, key + " must be a number");
    }

    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
};

const std::set<std::string> top_keys = {"export", "samples", "method", "seed", "target_beta", "time", "inputs",
                                        "correlation"};

}  // namespace

std::vector<double> TimeGrid::times() const
{
    std::vector<double> t;
    // Counted steps, so that rounding never drops the last time.
    const auto steps = static_cast<std::size_t>(std::floor((end - start) / step + 1e-9));
    for (std::size_t i = 0; i <= steps; ++i)
        t.push_back(start + static_cast<double>(i) * step);
    return t;
}

Study read_study(const std::filesystem::path& file)
{
    Reader r(file);
    std::ifstream in(file, std::ios::binary);
    if (!in)
        r.fail_at(0, "cannot read the study file");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (const int line = non_ascii_outside_text(text); line > 0)
        r.fail_at(line, "a non-ASCII character outside a comment or a quoted string (keys and values are ASCII)");
    toml::table root;
    try {
        root = toml::parse(text, file.string());
    } catch (const toml::parse_error& e) {
        r.fail_at(static_cast<int>(e.source().begin.line), std::string(e.description()));
    }

    Study study;
    study.file = file;
    for (const auto& [key, node] : root)
        if (top_keys.find(std::string(key.str())) == top_keys.end())
            r.fail(&node, "unknown key \"" + std::string(key.str()) +
                              "\" (expected export, samples, method, seed, target_beta, time, inputs, correlation)");

    const toml::node* export_node = root.get("export");
    if (export_node == nullptr || !export_node->is_string())
        r.fail_at(1, "export = \"NAME\" is required (one of " + export_list() + ")");
    const std::string export_name = *export_node->value<std::string>();
    study.export_info = find_export(export_name);
    if (study.export_info == nullptr)
        r.fail(export_node, "unknown export \"" + export_name + "\" (expected one of " + export_list() + ")");
    const ExportInfo& info = *study.export_info;

    if (const toml::node* n = root.get("samples")) {
        const auto v = n->value<std::int64_t>();
        if (!v || *v < 2)
            r.fail(n, "samples must be a whole number of at least 2");
        study.samples = static_cast<std::size_t>(*v);
    } else {
        r.fail_at(1, "samples = N is required");
    }
    if (const toml::node* n = root.get("method")) {
        const auto v = n->value<std::string>();
        if (v && *v == "lhs")
            study.method = SamplingMethod::latin_hypercube;
        else if (v && *v == "mc")
            study.method = SamplingMethod::monte_carlo;
        else
            r.fail(n, "method must be \"lhs\" (Latin hypercube) or \"mc\" (plain Monte Carlo)");
    }
    if (const toml::node* n = root.get("seed")) {
        const auto v = n->value<std::int64_t>();
        if (!v || *v < 0)
            r.fail(n, "seed must be a whole number >= 0");
        study.seed = static_cast<std::uint64_t>(*v);
    }
    if (const toml::node* n = root.get("target_beta"))
        study.target_beta = r.number(*n, "target_beta");
    if (const toml::node* n = root.get("time")) {
        const toml::table* t = n->as_table();
        if (t == nullptr)
            r.fail(n, "time must be a table { start = ..., end = ..., step = ... }");
        for (const auto& [key, value] : *t) {
            const std::string k(key.str());
            if (k == "start")
                study.time.start = r.number(value, "time.start");
            else if (k == "end")
                study.time.end = r.number(value, "time.end");
            else if (k == "step")
                study.time.step = r.number(value, "time.step");
            else
                r.fail(&value, "unknown key \"" + k + "\" in time (expected start, end, step)");
        }
        if (!(study.time.step > 0.0))
            r.fail(n, "time step must be > 0");
        if (!(study.time.end >= study.time.start))
            r.fail(n, "time end must not be before start");
        if ((study.time.end - study.time.start) / study.time.step > 100000.0)
            r.fail(n, "time grid has more than 100000 steps");
    }

    study.fixed = reference_vector(info);
    std::vector<std::pair<InputSlot, Distribution>> random;
    if (const toml::node* n = root.get("inputs")) {
        const toml::table* inputs = n->as_table();
        if (inputs == nullptr)
            r.fail(n, "[inputs] must be a table of symbol = value or { dist = ... }");
        for (const auto& [key, value] : *inputs) {
            const std::string symbol(key.str());
            const auto slot = find_slot(info, symbol);
            if (!slot)
                r.fail(&value, "unknown input \"" + symbol + "\" for " + info.name + " (expected one of " +
                                   symbol_list(info) + ")");
            if (value.is_number()) {
                study.fixed[static_cast<std::size_t>(slot->position - 1)] = *value.value<double>();
                continue;
            }
            const toml::table* d = value.as_table();
            if (d == nullptr)
                r.fail(&value, symbol + " must be a number or { dist = \"...\", ... }");
            const toml::node* kind = d->get("dist");
            if (kind == nullptr || !kind->is_string())
                r.fail(&value, symbol + ": dist = \"normal\" (or another distribution) is required");
            DistributionParameters params;
            for (const auto& [pkey, pvalue] : *d)
                if (pkey.str() != "dist")
                    params[std::string(pkey.str())] = r.number(pvalue, symbol + "." + std::string(pkey.str()));
            try {
                random.emplace_back(*slot, Distribution::make(*kind->value<std::string>(), params));
            } catch (const std::invalid_argument& e) {
                r.fail(&value, symbol + ": " + e.what());
            }
        }
    }
    // The layout's order, whatever the file's.
    std::sort(random.begin(), random.end(),
              [](const auto& a, const auto& b) { return a.first.position < b.first.position; });
    for (auto& [slot, dist] : random)
        study.random.push_back({slot, std::move(dist)});

    if (const toml::node* n = root.get("correlation")) {
        const toml::array* list = n->as_array();
        if (list == nullptr)
            r.fail(n, "correlations are written as [[correlation]] tables");
        for (const toml::node& entry : *list) {
            const toml::table* c = entry.as_table();
            if (c == nullptr)
                r.fail(&entry, "a [[correlation]] must be a table with inputs and rank");
            const int line = static_cast<int>(entry.source().begin.line);
            for (const auto& [key, value] : *c)
                if (key.str() != "inputs" && key.str() != "rank")
                    r.fail(&value, "unknown key \"" + std::string(key.str()) + "\" in correlation (expected inputs, rank)");
            const toml::array* pair = c->get_as<toml::array>("inputs");
            if (pair == nullptr || pair->size() != 2 || !(*pair)[0].is_string() || !(*pair)[1].is_string())
                r.fail(&entry, "correlation inputs must be two symbols, e.g. inputs = [\"w\", \"c\"]");
            const toml::node* rank_node = c->get("rank");
            if (rank_node == nullptr)
                r.fail(&entry, "correlation needs rank = a number in (-1, 1)");
            const double rank = r.number(*rank_node, "rank");
            if (!(rank > -1.0 && rank < 1.0))
                r.fail(rank_node, "rank must lie strictly between -1 and 1 (got " + std::to_string(rank) + ")");
            std::size_t index[2];
            for (int k = 0; k < 2; ++k) {
                const std::string symbol = *(*pair)[static_cast<std::size_t>(k)].value<std::string>();
                const auto it = std::find_if(study.random.begin(), study.random.end(),
                                             [&](const RandomInput& ri) { return symbol == ri.slot.symbol; });
                if (it == study.random.end())
                    r.fail(&entry, "correlation names \"" + symbol + "\", which is not a random input (random: " + [&] {
                        std::string s;
                        for (const RandomInput& ri : study.random)
                            s += (s.empty() ? "" : ", ") + std::string(ri.slot.symbol);
                        return s.empty() ? std::string("none") : s;
                    }() + ")");
                index[k] = static_cast<std::size_t>(it - study.random.begin());
            }
            if (index[0] == index[1])
                r.fail(&entry, "a correlation needs two different inputs");
            study.correlations.push_back({index[0], index[1], rank, line});
        }
    }
    return study;
}

}  // namespace dur::host
