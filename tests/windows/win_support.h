// Test support on 32-bit Windows: plug-ins loaded by file name, stdcall
// calls with the stack pointer watched.
#ifndef TESTS_WINDOWS_SUPPORT_H
#define TESTS_WINDOWS_SUPPORT_H

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "frame/plugin_api.h"
#include "scratch_dir.h"

namespace dur::test {

class WinPlugin {
public:
    // By file name alone: the loader finds it beside the executable.
    explicit WinPlugin(const std::string& base) : module_(LoadLibraryA((base + ".dll").c_str()))
    {
        if (module_ == nullptr)
            throw std::runtime_error("LoadLibrary " + base + ".dll failed: " + std::to_string(GetLastError()));
    }
    ~WinPlugin() { FreeLibrary(module_); }
    WinPlugin(const WinPlugin&) = delete;
    WinPlugin& operator=(const WinPlugin&) = delete;

    dur_export_fn bind(const char* name) const
    {
        FARPROC p = GetProcAddress(module_, name);
        if (p == nullptr)
            throw std::runtime_error(std::string("GetProcAddress ") + name + " failed");
        return reinterpret_cast<dur_export_fn>(reinterpret_cast<void*>(p));
    }

private:
    HMODULE module_;
};

inline std::string plugin_of(const std::string& export_name) { return export_name.substr(0, export_name.find('_')); }

struct StdcallResult {
    double value;
    std::int32_t stack_shift;  // esp after the call minus esp before: 0 if the callee popped its 8 bytes
};

// Calls `f` as a stdcall host does, by hand: push the vector pointer and the
// 32-bit value, call, and compare esp before and after. `skew` misaligns
// the stack by that many bytes first, as a caller that keeps only 4-byte
// alignment would.
inline StdcallResult call_stdcall(dur_export_fn f, std::int32_t first, double* inputs, std::int32_t skew = 0)
{
    struct Args {
        dur_export_fn f;
        std::int32_t first;
        double* inputs;
        std::int32_t skew;
    } args{f, first, inputs, skew};
    double value;
    std::int32_t shift;
    asm volatile(
        "movl %%esp, %%esi\n\t"
        "subl 12(%%ebx), %%esp\n\t"
        "pushl 8(%%ebx)\n\t"
        "pushl 4(%%ebx)\n\t"
        "call *(%%ebx)\n\t"
        "movl %%esp, %%edi\n\t"
        "addl 12(%%ebx), %%edi\n\t"
        "subl %%esi, %%edi\n\t"
        "movl %%esi, %%esp\n\t"
        : "=t"(value), "=D"(shift)
        : "b"(&args)
        : "eax", "ecx", "edx", "esi", "memory", "cc", "xmm0", "xmm1", "xmm2", "xmm3", "xmm4", "xmm5", "xmm6",
          "xmm7");
    return {value, shift};
}

// The directory of the running executable, where the DLLs and the known
// values lie.
inline std::string executable_dir()
{
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/"));
}

}  // namespace dur::test

#endif
