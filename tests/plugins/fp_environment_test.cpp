// A host that unmasks floating-point traps, rounds upwards or flushes
// subnormals gets the same bits as one that leaves the defaults, no trap, and
// its own environment back, flags included.
#include <cfenv>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bits.h"
#include "plugin_library.h"
#include "reference_vectors.h"
#include "scratch_dir.h"

namespace dur::test {
namespace {

struct FpCase {
    const char* export_name;
    std::vector<Change> changes;
};

// Vectors whose evaluation divides by zero, overflows or makes NaN.
const FpCase fp_cases[] = {
    {"Mirkast_xCl", {}},
    {"Mirkast_xCl", {{4, 0.0}, {8, 0.0}}},
    {"Mirkast_xCl", {{3, nan}}},
    {"Mirkast_ti", {{6, 0.0}, {3, 0.0}}},
    {"Mirkast_ti", {{7, inf}}},
    {"dorvela_xc", {{6, inf}}},
    {"dorvela_ti", {{6, inf}, {3, 0.0}}},
    {"dorvela_ti", {{11, 1e-320}, {3, 0.0}}},
    {"dorvelb_xc", {{5, 1e-310}}},
    {"dorvelb_ti", {{4, 84.39}}},
    {"dorvelb_ti", {{6, inf}, {3, 0.0}}},
};

#if defined(__x86_64__) || defined(__i386__)
std::uint32_t read_mxcsr()
{
    std::uint32_t value;
    asm volatile("stmxcsr %0" : "=m"(value));
    return value;
}
void write_mxcsr(std::uint32_t value) { asm volatile("ldmxcsr %0" : : "m"(value)); }

constexpr std::uint32_t flush_to_zero = 0x8000;
constexpr std::uint32_t denormals_are_zero = 0x0040;
constexpr std::uint32_t round_up = 0x4000;
constexpr std::uint32_t divide_by_zero_flag = 0x0004;

// Every exception unmasked, rounding up, subnormals flushed, and one flag of
// the host's own already raised.
constexpr std::uint32_t hostile_mxcsr = flush_to_zero | denormals_are_zero | round_up | divide_by_zero_flag;

TEST(FpEnvironment, HostileHostGetsDefaultBitsAndItsEnvironmentBack)
{
    ScratchDir scratch;
    for (const FpCase& c : fp_cases) {
        SCOPED_TRACE(c.export_name);
        PluginLibrary plugin(plugin_path(plugin_of(c.export_name)));
        const dur_export_fn f = plugin.bind(c.export_name);
        std::vector<double> v_default = reference_with(c.export_name, c.changes);
        std::vector<double> v_hostile = v_default;
        const double expected = f(0, v_default.data());

        const std::uint32_t saved = read_mxcsr();
        write_mxcsr(hostile_mxcsr);
        const double result = f(0, v_hostile.data());  // a trap would end the test here
        const std::uint32_t after = read_mxcsr();
        write_mxcsr(saved);

        EXPECT_TRUE(same_double(result, expected));
        EXPECT_EQ(after, hostile_mxcsr);
    }
}
#endif

TEST(FpEnvironment, TrapsEnabledWithFeenableexceptRaiseNothing)
{
    ScratchDir scratch;
    for (const FpCase& c : fp_cases) {
        SCOPED_TRACE(c.export_name);
        PluginLibrary plugin(plugin_path(plugin_of(c.export_name)));
        const dur_export_fn f = plugin.bind(c.export_name);
        std::vector<double> v_default = reference_with(c.export_name, c.changes);
        std::vector<double> v_trapping = v_default;
        const double expected = f(0, v_default.data());

        std::fenv_t saved;
        std::fegetenv(&saved);
        std::feclearexcept(FE_ALL_EXCEPT);
        feenableexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW | FE_UNDERFLOW | FE_INEXACT);
        std::fesetround(FE_TOWARDZERO);
        const double result = f(0, v_trapping.data());
        const int raised = std::fetestexcept(FE_ALL_EXCEPT);
        const int traps = fegetexcept();
        const int rounding = std::fegetround();
        std::fesetenv(&saved);

        EXPECT_TRUE(same_double(result, expected));
        EXPECT_EQ(raised, 0);  // none of the model's flags leaked out
        EXPECT_EQ(traps, FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW | FE_UNDERFLOW | FE_INEXACT);
        EXPECT_EQ(rounding, FE_TOWARDZERO);
    }
}

}  // namespace
}  // namespace dur::test
