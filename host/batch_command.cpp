// One evaluation per CSV row, streamed in blocks: constant memory, every
// core with a vector of its own, rows written in their input order.
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>

#include "atomic_file.h"
#include "catalogue.h"
#include "commands.h"
#include "host_error.h"
#include "parallel.h"
#include "plugin_set.h"
#include "working_directory.h"

namespace dur::host {
namespace {

constexpr std::size_t block_rows = 65536;

std::vector<std::string> split(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        std::string field = line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const auto first = field.find_first_not_of(" \t");
        const auto last = field.find_last_not_of(" \t");
        fields.push_back(first == std::string::npos ? std::string() : field.substr(first, last - first + 1));
        if (comma == std::string::npos)
            return fields;
        start = comma + 1;
    }
}

}  // namespace

int batch_command(const std::filesystem::path& plugins, const std::string& export_name,
                  const std::filesystem::path& input, const std::optional<std::filesystem::path>& output,
                  unsigned threads)
{
    const ExportInfo* info = find_export(export_name);
    if (info == nullptr)
        throw InputError("unknown export \"" + export_name + "\" (expected one of " + export_list() + ")");
    std::ifstream in(input, std::ios::binary);
    if (!in)
        throw InputError("cannot read " + input.string());
    const std::string where = input.string() + ":";

    std::string header;
    if (!std::getline(in, header))
        throw InputError(where + "1: empty file; expected a header of input symbols");
    if (!header.empty() && header.back() == '\r')
        header.pop_back();
    std::vector<int> column_position;
    for (const std::string& name : split(header)) {
        const auto slot = find_slot(*info, name);
        if (!slot)
            throw InputError(where + "1: unknown column \"" + name + "\" for " + export_name + " (expected " +
                             symbol_list(*info) + ", or p1 to p" + std::to_string(info->layout.size()) + ")");
        for (int p : column_position)
            if (p == slot->position)
                throw InputError(where + "1: column \"" + name + "\" gives position " +
                                 std::to_string(p) + " a second time");
        column_position.push_back(slot->position);
    }

    PluginSet set(plugins);
    const dur_export_fn f = set.bind(*info);
    const std::vector<double> reference = reference_vector(*info);
    const std::size_t log_lines_before = count_lines(info->log);

    std::unique_ptr<AtomicFile> file;
    if (output)
        file = std::make_unique<AtomicFile>(*output);
    std::ostream& out = file ? static_cast<std::ostream&>(file->stream()) : std::cout;
    out << header << ",result\n";

    const bool show_progress = isatty(STDERR_FILENO) != 0;
    std::error_code size_error;
    const auto total_bytes = std::filesystem::file_size(input, size_error);
    threads = threads == 0 ? default_thread_count() : threads;

    std::vector<std::string> lines;
    std::vector<std::vector<double>> vectors;
    std::vector<double> results;
    std::size_t line_number = 1;
    std::size_t rows = 0;
    for (;;) {
        lines.clear();
        std::string line;
        while (lines.size() < block_rows && std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
        }
        if (lines.empty())
            break;
        vectors.assign(lines.size(), reference);
        for (std::size_t r = 0; r < lines.size(); ++r) {
            ++line_number;
            if (lines[r].empty())
                continue;
            const std::vector<std::string> fields = split(lines[r]);
            if (fields.size() != column_position.size())
                throw InputError(where + std::to_string(line_number) + ": expected " +
                                 std::to_string(column_position.size()) + " fields, found " +
                                 std::to_string(fields.size()));
            for (std::size_t c = 0; c < fields.size(); ++c) {
                const auto value = parse_number(fields[c]);
                if (!value)
                    throw InputError(where + std::to_string(line_number) + ": column " + std::to_string(c + 1) +
                                     ": \"" + fields[c] + "\" is not a number");
                vectors[r][static_cast<std::size_t>(column_position[c] - 1)] = *value;
            }
        }
        results.assign(lines.size(), 0.0);
        parallel_blocks(lines.size(), threads, [&](unsigned, std::size_t begin, std::size_t end) {
            for (std::size_t r = begin; r < end; ++r)
                if (!lines[r].empty())
                    results[r] = f(0, vectors[r].data());
        });
        char text[40];
        for (std::size_t r = 0; r < lines.size(); ++r) {
            if (lines[r].empty())
                continue;
            std::snprintf(text, sizeof text, ",%.17g\n", results[r]);
            out << lines[r] << text;
            ++rows;
        }
        if (show_progress && !size_error && total_bytes > 0) {
            const auto done = static_cast<double>(in.eof() ? total_bytes : static_cast<std::uintmax_t>(in.tellg()));
            std::fprintf(stderr, "\r%zu rows, %.0f %%", rows, 100.0 * done / static_cast<double>(total_bytes));
        }
    }
    if (show_progress)
        std::fprintf(stderr, "\n");
    if (file)
        file->commit();
    else
        std::cout.flush();

    const std::size_t log_lines_after = count_lines(info->log);
    if (log_lines_after > log_lines_before)
        std::fprintf(stderr, "%zu of %zu rows reported inadmissible inputs in %s\n", log_lines_after - log_lines_before,
                     rows, info->log);
    return exit_ok;
}

}  // namespace dur::host
