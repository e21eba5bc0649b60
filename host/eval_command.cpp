// One evaluation, in a scratch working directory so that the call's log
// lines can be shown and the user's directory stays clean.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "catalogue.h"
#include "commands.h"
#include "host_error.h"
#include "plugin_set.h"
#include "working_directory.h"

namespace dur::host {

std::optional<double> parse_number(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size())
        return std::nullopt;
    return value;
}

int eval_command(const std::filesystem::path& plugins, const std::string& export_name,
                 const std::vector<std::string>& assignments, int digits)
{
    const ExportInfo* info = find_export(export_name);
    if (info == nullptr)
        throw InputError("unknown export \"" + export_name + "\" (expected one of " + export_list() + ")");
    std::vector<double> inputs = reference_vector(*info);
    for (const std::string& a : assignments) {
        const auto eq = a.find('=');
        if (eq == std::string::npos)
            throw InputError("\"" + a + "\": expected SYMBOL=VALUE");
        const std::string symbol = a.substr(0, eq);
        const auto slot = find_slot(*info, symbol);
        if (!slot)
            throw InputError("unknown input \"" + symbol + "\" for " + export_name + " (expected one of " +
                             symbol_list(*info) + ", or p1 to p" + std::to_string(info->layout.size()) + ")");
        const auto value = parse_number(a.substr(eq + 1));
        if (!value)
            throw InputError("\"" + a + "\": " + a.substr(eq + 1) + " is not a number");
        inputs[static_cast<std::size_t>(slot->position - 1)] = *value;
    }

    PluginSet set(plugins);
    const dur_export_fn f = set.bind(*info);
    const std::filesystem::path scratch = make_temporary_directory("durhost-eval");
    double result;
    {
        WorkingDirectory cwd(scratch);
        result = f(0, inputs.data());
    }
    std::printf("%.*g\n", digits, result);
    std::ifstream log(scratch / info->log);
    std::string line;
    while (std::getline(log, line))
        std::printf("%s: %s\n", info->log, line.c_str());
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    return exit_ok;
}

}  // namespace dur::host
