// A host that unmasks floating-point traps, rounds upwards or flushes
// subnormals gets the same bits as one that leaves the defaults, no trap, and
// its own environment back, flags included.
#include <cfenv>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bits.h"
#include "fp_cases.h"
#include "mxcsr.h"
#include "plugin_library.h"
#include "reference_vectors.h"
#include "scratch_dir.h"

namespace dur::test {
namespace {

// One case, bound and evaluated once in the default environment; `other`
// is a fresh copy of its vector for the call under test.
struct Prepared {
    explicit Prepared(const FpCase& c)
        : plugin(plugin_path(plugin_of(c.export_name))),
          f(plugin.bind(c.export_name)),
          other(reference_with(c.export_name, c.changes))
    {
        std::vector<double> v = other;
        expected = f(0, v.data());
    }
    PluginLibrary plugin;
    dur_export_fn f;
    std::vector<double> other;
    double expected;
};

#if defined(__x86_64__) || defined(__i386__)

// Every exception unmasked, rounding up, subnormals flushed, and one flag of
// the host's own already raised.
constexpr std::uint32_t hostile_mxcsr =
    mxcsr_flush_to_zero | mxcsr_denormals_are_zero | mxcsr_round_up | mxcsr_divide_by_zero_flag;

TEST(FpEnvironment, HostileHostGetsDefaultBitsAndItsEnvironmentBack)
{
    ScratchDir scratch;
    for (const FpCase& c : fp_cases) {
        SCOPED_TRACE(c.export_name);
        Prepared p(c);

        const std::uint32_t saved = read_mxcsr();
        write_mxcsr(hostile_mxcsr);
        const double result = p.f(0, p.other.data());  // a trap would end the test here
        const std::uint32_t after = read_mxcsr();
        write_mxcsr(saved);

        EXPECT_TRUE(same_double(result, p.expected));
        EXPECT_EQ(after, hostile_mxcsr);
    }
}
#endif

TEST(FpEnvironment, TrapsEnabledWithFeenableexceptRaiseNothing)
{
    ScratchDir scratch;
    for (const FpCase& c : fp_cases) {
        SCOPED_TRACE(c.export_name);
        Prepared p(c);

        std::fenv_t saved;
        std::fegetenv(&saved);
        std::feclearexcept(FE_ALL_EXCEPT);
        feenableexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW | FE_UNDERFLOW | FE_INEXACT);
        std::fesetround(FE_TOWARDZERO);
        const double result = p.f(0, p.other.data());
        const int raised = std::fetestexcept(FE_ALL_EXCEPT);
        const int traps = fegetexcept();
        const int rounding = std::fegetround();
        std::fesetenv(&saved);

        EXPECT_TRUE(same_double(result, p.expected));
        EXPECT_EQ(raised, 0);  // none of the model's flags leaked out
        EXPECT_EQ(traps, FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW | FE_UNDERFLOW | FE_INEXACT);
        EXPECT_EQ(rounding, FE_TOWARDZERO);
    }
}

}  // namespace
}  // namespace dur::test
