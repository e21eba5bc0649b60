// Splits [0, count) into contiguous blocks, one per thread. Each index is
// handled by exactly one thread and results are stored by index, so the
// outcome does not depend on the number of threads.
#ifndef HOST_PARALLEL_H
#define HOST_PARALLEL_H

#include <algorithm>
#include <cstddef>
#include <exception>
#include <thread>
#include <vector>

namespace dur::host {

unsigned default_thread_count();

// body(thread_index, begin, end)
template <typename Body>
void parallel_blocks(std::size_t count, unsigned threads, Body body)
{
    threads = std::max(1u, std::min<unsigned>(threads, static_cast<unsigned>(std::max<std::size_t>(count, 1))));
    if (threads == 1) {
        body(0u, std::size_t{0}, count);
        return;
    }
    std::vector<std::thread> workers;
    std::vector<std::exception_ptr> errors(threads);
    const std::size_t block = (count + threads - 1) / threads;
    for (unsigned t = 0; t < threads; ++t) {
        const std::size_t begin = std::min(count, t * block);
        const std::size_t end = std::min(count, begin + block);
        workers.emplace_back([&, t, begin, end] {
            try {
                body(t, begin, end);
            } catch (...) {
                errors[t] = std::current_exception();
            }
        });
    }
    for (std::thread& w : workers)
        w.join();
    for (const std::exception_ptr& e : errors)
        if (e)
            std::rethrow_exception(e);
}

}  // namespace dur::host

#endif
