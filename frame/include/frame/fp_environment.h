// Runs a call in the default floating-point environment and hands the host's
// environment back untouched.
//
// The models assume IEEE double arithmetic, round to nearest and every
// exception masked, so that an infinity or a NaN flows into the result. Some
// hosts unmask exceptions (a trap would then kill the host), change the
// rounding, flush subnormals or run the x87 unit at 64-bit precision (which
// changes what an x87 power function returns). The scope saves the caller's
// control and status words, installs the defaults and restores the saved words
// on exit, so that neither the caller's settings reach the model nor the
// model's flags reach the caller.
//
// The asm statements carry a memory clobber and the result passes through
// `settle`, so the compiler can move no part of the model across either edge.
#ifndef FRAME_FP_ENVIRONMENT_H
#define FRAME_FP_ENVIRONMENT_H

#include <cstdint>

#if !defined(__x86_64__) && !defined(__i386__)
#  include <cfenv>
#endif

namespace dur {

#if defined(__x86_64__) || defined(__i386__)

// MXCSR with every exception masked, round to nearest, no flush to zero,
// no denormals-are-zero, no flags raised.
constexpr std::uint32_t default_mxcsr = 0x1F80;
constexpr std::uint32_t mxcsr_flags = 0x003F;  // the six sticky exception flags

#  if defined(__i386__)
// x87 control word: every exception masked, round to nearest, 53-bit
// precision (the 32-bit Windows default), so an x87 library routine rounds as
// it does under an unmodified host.
constexpr std::uint16_t default_x87_control = 0x027F;

struct X87Environment {
    std::uint16_t words[14];  // the 28-byte FNSTENV image
};
#  endif

class DefaultFpEnvironment {
public:
    // The saved words are written by the asm statements below.
    // cppcheck-suppress uninitMemberVar
    DefaultFpEnvironment() noexcept
    {
#  if defined(__i386__)
        // FNSTENV also masks every x87 exception as a side effect, so nothing
        // pending in the host's status word can fire inside the call.
        asm volatile("fnstenv %0" : "=m"(x87_) : : "memory");
        asm volatile("fnclex\n\tfldcw %0" : : "m"(default_x87_control) : "memory");
#  endif
        asm volatile("stmxcsr %0" : "=m"(mxcsr_) : : "memory");
        // Most hosts keep the default controls: then the default need not be
        // loaded on entry, only the host's word on exit.
        if ((mxcsr_ & ~mxcsr_flags) != default_mxcsr)
            asm volatile("ldmxcsr %0" : : "m"(default_mxcsr) : "memory");
    }

    ~DefaultFpEnvironment()
    {
        // The host's word back, flags included. Loading it is cheaper than
        // reading MXCSR a second time to see whether anything changed.
        asm volatile("ldmxcsr %0" : : "m"(mxcsr_) : "memory");
#  if defined(__i386__)
        restore_x87(x87_);
#  endif
    }

    DefaultFpEnvironment(const DefaultFpEnvironment&) = delete;
    DefaultFpEnvironment& operator=(const DefaultFpEnvironment&) = delete;

    // Pins `result` as computed before the destructor restores the host's
    // words.
    static void settle(double& result) noexcept { asm volatile("" : "+x"(result)); }

private:
#  if defined(__i386__)
    // FLDENV also restores the tag word, which marks every x87 register
    // empty: the result must not be in ST(0) yet. Out of line, the call
    // itself keeps it out (the x87 stack is empty across a call), and the
    // compiler loads the return value only afterwards.
    __attribute__((noinline)) static void restore_x87(const X87Environment& env) noexcept
    {
        asm volatile("fldenv %0" : : "m"(env) : "memory");
    }
#  endif

    std::uint32_t mxcsr_;
#  if defined(__i386__)
    X87Environment x87_;
#  endif
};

#else

class DefaultFpEnvironment {
public:
    DefaultFpEnvironment() noexcept
    {
        std::fegetenv(&saved_);
        std::fesetenv(FE_DFL_ENV);
    }
    ~DefaultFpEnvironment() { std::fesetenv(&saved_); }

    DefaultFpEnvironment(const DefaultFpEnvironment&) = delete;
    DefaultFpEnvironment& operator=(const DefaultFpEnvironment&) = delete;

    static void settle(double& result) noexcept { asm volatile("" : "+m"(result) : : "memory"); }

private:
    std::fenv_t saved_;
};

#endif

}  // namespace dur

#endif
