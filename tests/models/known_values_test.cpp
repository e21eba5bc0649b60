// The known values shipped to users, reproduced to the bit by the plug-ins
// of this build.
#include <map>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "bits.h"
#include "known_values.h"
#include "plugin_library.h"
#include "scratch_dir.h"

namespace dur::test {
namespace {

TEST(KnownValues, EveryRowReproducedExactly)
{
    const std::vector<KnownValue> rows = read_known_values(DUR_KNOWN_VALUES);
    ASSERT_EQ(rows.size(), 1800u);
    ScratchDir scratch;
    std::map<std::string, std::unique_ptr<PluginLibrary>> plugins;
    for (const KnownValue& row : rows) {
        auto& plugin = plugins[plugin_of(row.export_name)];
        if (!plugin)
            plugin = std::make_unique<PluginLibrary>(plugin_path(plugin_of(row.export_name)));
        std::vector<double> inputs = row.inputs;
        const double result = plugin->bind(row.export_name.c_str())(0, inputs.data());
        EXPECT_TRUE(same_double(result, row.expected)) << row.export_name;
    }
}

}  // namespace
}  // namespace dur::test
