// One writer process for the cross-process log test:
//   log_writer EXPORT POSITION CALLS
// makes POSITION negative in the reference vector and calls EXPORT CALLS
// times, each call reporting one line.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "reference_vectors.h"
#include "win_support.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: log_writer EXPORT POSITION CALLS\n");
        return 2;
    }
    const std::string export_name = argv[1];
    const int position = std::atoi(argv[2]);
    const int calls = std::atoi(argv[3]);
    dur::test::WinPlugin plugin(dur::test::plugin_of(export_name));
    const dur_export_fn f = plugin.bind(export_name.c_str());
    for (int n = 0; n < calls; ++n) {
        std::vector<double> v = dur::test::reference_with(export_name, {{position, -1.0}});
        if (dur::test::call_stdcall(f, 0, v.data()).stack_shift != 0)
            return 1;
    }
    return 0;
}
