// Each plug-in's dynamic symbol table holds its two exports and nothing else.
#include <cstdio>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "plugin_library.h"

namespace dur::test {
namespace {

// Defined dynamic symbols of a shared object, as nm reads them.
std::set<std::string> defined_dynamic_symbols(const std::string& path)
{
    const std::string command = "nm -D --defined-only --format=posix '" + path + "'";
    std::set<std::string> names;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return names;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string text(line);
        names.insert(text.substr(0, text.find(' ')));
    }
    EXPECT_EQ(pclose(pipe), 0) << command;
    return names;
}

struct ExportTable {
    const char* base;
    std::set<std::string> exports;
};

class ExportTables : public ::testing::TestWithParam<ExportTable> {};

TEST_P(ExportTables, HoldExactlyTheTwoExports)
{
    EXPECT_EQ(defined_dynamic_symbols(plugin_path(GetParam().base)), GetParam().exports);
}

INSTANTIATE_TEST_SUITE_P(Plugins, ExportTables,
                         ::testing::Values(ExportTable{"Mirkast", {"Mirkast_xCl", "Mirkast_ti"}},
                                           ExportTable{"dorvela", {"dorvela_xc", "dorvela_ti"}},
                                           ExportTable{"dorvelb", {"dorvelb_xc", "dorvelb_ti"}}),
                         [](const auto& named) { return std::string(named.param.base); });

}  // namespace
}  // namespace dur::test
