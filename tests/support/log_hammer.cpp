// Hammers one export's log from many threads: log_hammer PLUGIN EXPORT
// THREADS CALLS. Thread i makes one screened position negative, so
// the lines of different threads differ and a mixed line shows.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "plugin_library.h"
#include "reference_vectors.h"

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: log_hammer PLUGIN EXPORT THREADS CALLS\n");
        return 2;
    }
    const std::string export_name = argv[2];
    dur::test::PluginLibrary plugin(argv[1]);
    const dur_export_fn f = plugin.bind(export_name.c_str());
    const int threads = std::atoi(argv[3]);
    const int calls = std::atoi(argv[4]);

    std::vector<std::thread> workers;
    for (int i = 0; i < threads; ++i) {
        workers.emplace_back([&, i] {
            const int position = dur::test::screened_everywhere(i);
            for (int n = 0; n < calls; ++n) {
                // A fresh vector each time: the carbonation plug-ins zero
                // what they report.
                std::vector<double> v = dur::test::reference_with(export_name, {{position, -1.0}});
                f(0, v.data());
            }
        });
    }
    for (std::thread& w : workers)
        w.join();
    return 0;
}
