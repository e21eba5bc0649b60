// durhost: evaluates the durability plug-ins once, over a CSV batch, or in a
// probabilistic study.
#include <cstdio>
#include <exception>

#include <CLI/CLI.hpp>

#include "commands.h"
#include "host_error.h"

int main(int argc, char** argv)
{
    using namespace dur::host;
    CLI::App app{"durhost: when will chlorides or carbonation reach the reinforcement?"};
    app.require_subcommand(1);
    std::string plugins;
    app.add_option("--plugins", plugins, "directory of the plug-ins (default: beside durhost)");

    auto* list = app.add_subcommand("list", "the plug-ins found, their exports and input layouts");

    auto* eval = app.add_subcommand("eval", "one evaluation; inputs not given take the reference mix");
    std::string eval_export;
    std::vector<std::string> assignments;
    int digits = 6;
    eval->add_option("EXPORT", eval_export, "export name, e.g. Mirkast_xCl")->required();
    eval->add_option("SYMBOL=VALUE", assignments, "inputs by symbol or p1..p16");
    eval->add_option("--digits", digits, "significant digits of the result (17 shows every bit)")
        ->check(CLI::Range(1, 17));

    auto* batch = app.add_subcommand("batch", "one evaluation per CSV row; adds a result column");
    std::string batch_export, batch_input, batch_output;
    unsigned batch_threads = 0;
    batch->add_option("EXPORT", batch_export, "export name")->required();
    batch->add_option("INPUT.csv", batch_input, "columns named by symbol or p1..p16")->required();
    batch->add_option("-o,--output", batch_output, "output CSV (default: standard output)");
    batch->add_option("--threads", batch_threads, "threads (default: every core)");

    auto* study = app.add_subcommand("study", "a probabilistic study: Pf(t), beta(t), sensitivity, plots");
    StudyOptions options;
    std::string study_file, study_output;
    study->add_option("STUDY.toml", study_file, "the study file")->required();
    study->add_option("-o,--output", study_output, "results directory (default: NAME-results)");
    study->add_option("--threads", options.threads, "threads (default: every core)");
    study->add_flag("--keep-samples", options.keep_samples, "also write samples.csv");
    study->add_flag("--quiet", options.quiet, "print nothing on success");

    // --plugins may stand before or after the command.
    for (CLI::App* sub : {list, eval, batch, study})
        sub->fallthrough();

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? exit_ok : exit_input;
    }

    try {
        if (app.got_subcommand("list"))
            return list_command(plugins);
        if (app.got_subcommand(eval))
            return eval_command(plugins, eval_export, assignments, digits);
        if (app.got_subcommand(batch))
            return batch_command(plugins, batch_export, batch_input,
                                 batch_output.empty() ? std::nullopt : std::optional<std::filesystem::path>(batch_output),
                                 batch_threads);
        options.plugins = plugins;
        options.study = study_file;
        if (!study_output.empty())
            options.output = study_output;
        return study_command(options);
    } catch (const InputError& e) {
        std::fprintf(stderr, "durhost: %s\n", e.what());
        return exit_input;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "durhost: %s\n", e.what());
        return exit_failure;
    }
}
