// A host that unmasks every floating-point exception and runs the x87 unit
// at 64-bit precision gets the same bits as an unmodified host, no trap, and
// its own control and status words back.
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bits.h"
#include "fp_cases.h"
#include "mxcsr.h"
#include "reference_vectors.h"
#include "win_support.h"

namespace dur::test {
namespace {

std::uint16_t read_x87_control()
{
    std::uint16_t cw;
    asm volatile("fnstcw %0" : "=m"(cw));
    return cw;
}
std::uint16_t read_x87_status()
{
    std::uint16_t sw;
    asm volatile("fnstsw %0" : "=m"(sw));
    return sw;
}
void write_x87_control(std::uint16_t cw) { asm volatile("fnclex\n\tfldcw %0" : : "m"(cw)); }

// x87: every exception unmasked, 64-bit precision, round to nearest.
constexpr std::uint16_t hostile_x87 = 0x0340;
// SSE: every exception unmasked, round up, flush to zero, denormals are zero.
constexpr std::uint32_t hostile_mxcsr = mxcsr_round_up | mxcsr_flush_to_zero | mxcsr_denormals_are_zero;

TEST(WindowsFpEnvironment, HostileHostGetsDefaultBitsAndItsWordsBack)
{
    ScratchDir scratch;
    for (const FpCase& c : fp_cases) {
        SCOPED_TRACE(c.export_name);
        WinPlugin plugin(plugin_of(c.export_name));
        const dur_export_fn f = plugin.bind(c.export_name);
        std::vector<double> plain = reference_with(c.export_name, c.changes);
        std::vector<double> hostile = plain;
        const double expected = call_stdcall(f, 0, plain.data()).value;

        const std::uint16_t saved_x87 = read_x87_control();
        const std::uint32_t saved_mxcsr = read_mxcsr();
        write_x87_control(hostile_x87);
        write_mxcsr(hostile_mxcsr);
        const StdcallResult r = call_stdcall(f, 0, hostile.data());  // a trap would end the run here
        const std::uint16_t x87_after = read_x87_control();
        const std::uint16_t status_after = read_x87_status();
        const std::uint32_t mxcsr_after = read_mxcsr();
        write_mxcsr(saved_mxcsr);
        write_x87_control(saved_x87);

        EXPECT_EQ(r.stack_shift, 0);
        EXPECT_TRUE(same_double(r.value, expected));
        EXPECT_EQ(x87_after, hostile_x87);
        EXPECT_EQ(status_after & 0x3F, 0);  // no exception flag left behind
        EXPECT_EQ(mxcsr_after, hostile_mxcsr);
    }
}

}  // namespace
}  // namespace dur::test
