// An admissible call allocates nothing. The executable interposes the C
// allocator (plug-ins resolve malloc to it, as to any program's), counting
// the calls while a window is open.
#include <atomic>
#include <cerrno>
#include <functional>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "plugin_library.h"
#include "reference_vectors.h"
#include "scratch_dir.h"

extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void* __libc_memalign(std::size_t, std::size_t);
}

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void note() noexcept
{
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace

extern "C" {
void* malloc(std::size_t size)
{
    note();
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size)
{
    note();
    return __libc_calloc(count, size);
}
void* realloc(void* p, std::size_t size)
{
    note();
    return __libc_realloc(p, size);
}
void* aligned_alloc(std::size_t alignment, std::size_t size)
{
    note();
    return __libc_memalign(alignment, size);
}
int posix_memalign(void** out, std::size_t alignment, std::size_t size)
{
    note();
    *out = __libc_memalign(alignment, size);
    return *out == nullptr ? ENOMEM : 0;
}
}

namespace dur::test {
namespace {

long allocations_during(const std::function<void()>& work)
{
    allocations = 0;
    counting = true;
    work();
    counting = false;
    return allocations.load();
}

TEST(NoAllocation, CounterSeesAllocationsInsideSharedLibraries)
{
    // strdup allocates inside the C library: the hook must see it, or the
    // zero below would prove nothing.
    EXPECT_GE(allocations_during([] { std::free(strdup("x")); }), 1);
}

TEST(NoAllocation, AdmissibleCallsAllocateNothing)
{
    ScratchDir scratch;
    for (const char* name : {"Mirkast_xCl", "Mirkast_ti", "dorvela_xc", "dorvela_ti", "dorvelb_xc", "dorvelb_ti"}) {
        PluginLibrary plugin(plugin_path(plugin_of(name)));
        const dur_export_fn f = plugin.bind(name);
        std::vector<double> v = reference_with(name, {});
        double sink = 0.0;
        EXPECT_EQ(allocations_during([&] {
                      for (int i = 0; i < 1000; ++i)
                          sink += f(0, v.data());
                  }),
                  0)
            << name;
        EXPECT_TRUE(sink == sink) << name;
    }
    EXPECT_EQ(scratch.entry_count(), 0u);
}

}  // namespace
}  // namespace dur::test
