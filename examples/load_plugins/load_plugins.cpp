// How a host uses the plug-ins: load each one by path, bind its two exports by
// their plain names and call them with an input vector.
//
//   load_plugins_example DIR     (DIR holds Mirkast.so, dorvela.so, dorvelb.so)
#include <dlfcn.h>

#include <cstdint>
#include <cstdio>
#include <string>

using export_fn = double (*)(std::int32_t, double*);

struct Plugin {
    const char* base;
    const char* exports[2];
    const char* units[2];
};

const Plugin plugins[] = {
    {"Mirkast", {"Mirkast_xCl", "Mirkast_ti"}, {"mm", "years"}},
    {"dorvela", {"dorvela_xc", "dorvela_ti"}, {"(length unit of the cover)", "(time unit of the inputs)"}},
    {"dorvelb", {"dorvelb_xc", "dorvelb_ti"}, {"(length unit of the cover)", "(time unit of the inputs)"}},
};

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PLUGIN_DIR\n", argv[0]);
        return 2;
    }
    // The reference mixes of the models' worked examples.
    // cover, t, cs, csat, cth, D0, w, c, a1, a2, a3, sc, s1, s2, s3, m
    const double chloride[16] = {30, 50, 3, 10, 0.6, 2.03e-9, 175, 350, 600, 650, 650, 3150, 2600, 2650, 2700, 1};
    // cover, t, co2, RH, c, w, a1, a2, a3, gc, g1, g2, g3, m
    const double carbonation[14] = {0.03, 50, 0.035, 65, 350, 175, 700, 500, 0, 3150, 2650, 2650, 2650, 1};

    int status = 0;
    for (const Plugin& p : plugins) {
        const std::string path = std::string(argv[1]) + "/" + p.base + ".so";
        void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            std::fprintf(stderr, "cannot load %s: %s\n", path.c_str(), dlerror());
            status = 1;
            continue;
        }
        for (int i = 0; i < 2; ++i) {
            auto f = reinterpret_cast<export_fn>(dlsym(library, p.exports[i]));
            if (f == nullptr) {
                std::fprintf(stderr, "%s has no export %s\n", path.c_str(), p.exports[i]);
                status = 1;
                continue;
            }
            double inputs[16];
            const bool is_chloride = p.base[0] == 'M';
            for (int k = 0; k < 16; ++k)
                inputs[k] = is_chloride ? chloride[k] : (k < 14 ? carbonation[k] : 0.0);
            std::printf("%-12s %.6g %s\n", p.exports[i], f(0, inputs), p.units[i]);
        }
        dlclose(library);
    }
    return status;
}
