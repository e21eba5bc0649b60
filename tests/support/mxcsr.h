// The SSE control and status register, as a hostile host would set it.
#ifndef TESTS_MXCSR_H
#define TESTS_MXCSR_H

#include <cstdint>

namespace dur::test {

inline std::uint32_t read_mxcsr()
{
    std::uint32_t value;
    asm volatile("stmxcsr %0" : "=m"(value));
    return value;
}

inline void write_mxcsr(std::uint32_t value) { asm volatile("ldmxcsr %0" : : "m"(value)); }

// Bits of MXCSR. A value without mask bits unmasks every exception.
constexpr std::uint32_t mxcsr_flush_to_zero = 0x8000;
constexpr std::uint32_t mxcsr_denormals_are_zero = 0x0040;
constexpr std::uint32_t mxcsr_round_up = 0x4000;
constexpr std::uint32_t mxcsr_divide_by_zero_flag = 0x0004;

}  // namespace dur::test

#endif
