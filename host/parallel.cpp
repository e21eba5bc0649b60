#include "parallel.h"

namespace dur::host {

unsigned default_thread_count()
{
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : n;
}

}  // namespace dur::host
