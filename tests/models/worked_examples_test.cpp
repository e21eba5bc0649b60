// The models' worked examples and edge cases, through the exports as a host
// calls them.
#include <cctype>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bits.h"
#include "model_cases.h"
#include "plugin_library.h"
#include "reference_vectors.h"
#include "scratch_dir.h"

namespace dur::test {
namespace {

class WorkedExamples : public ::testing::TestWithParam<ModelCase> {};

TEST_P(WorkedExamples, ExportReturnsPublishedValueToTheBit)
{
    const ModelCase& c = GetParam();
    ScratchDir scratch;  // inadmissible cases write their log here
    PluginLibrary plugin(plugin_path(plugin_of(c.export_name)));
    std::vector<double> inputs = reference_with(c.export_name, c.changes);

    const double result = plugin.bind(c.export_name)(0, inputs.data());

    EXPECT_TRUE(agrees_to_six_digits(result, c.published));
    EXPECT_TRUE(same_double(result, c.exact));
}

std::string case_name(const ::testing::TestParamInfo<ModelCase>& info)
{
    std::string name = std::string(info.param.export_name) + "_";
    for (const char* p = info.param.name; *p != '\0'; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Models, WorkedExamples, ::testing::ValuesIn(model_cases), case_name);

}  // namespace
}  // namespace dur::test
