// The durhost commands. Each returns the process's exit code or throws
// InputError (exit 2) or RunError (exit 1).
#ifndef HOST_COMMANDS_H
#define HOST_COMMANDS_H

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace dur::host {

int list_command(const std::filesystem::path& plugins);

int eval_command(const std::filesystem::path& plugins, const std::string& export_name,
                 const std::vector<std::string>& assignments, int digits);

int batch_command(const std::filesystem::path& plugins, const std::string& export_name,
                  const std::filesystem::path& input, const std::optional<std::filesystem::path>& output,
                  unsigned threads);

struct StudyOptions {
    std::filesystem::path plugins;
    std::filesystem::path study;
    std::optional<std::filesystem::path> output;
    unsigned threads = 0;
    bool keep_samples = false;
    bool quiet = false;
};

int study_command(const StudyOptions& options);

// A number as the user wrote it: the whole text must be a double.
std::optional<double> parse_number(const std::string& text);

}  // namespace dur::host

#endif
