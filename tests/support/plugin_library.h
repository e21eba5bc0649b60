// Loads a built plug-in by path and binds its exports by name, as a host
// does.
#ifndef TESTS_PLUGIN_LIBRARY_H
#define TESTS_PLUGIN_LIBRARY_H

#include <dlfcn.h>

#include <stdexcept>
#include <string>

#include "frame/plugin_api.h"

namespace dur::test {

class PluginLibrary {
public:
    explicit PluginLibrary(const std::string& path) : handle_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL))
    {
        if (handle_ == nullptr)
            throw std::runtime_error("cannot load " + path + ": " + dlerror());
    }
    ~PluginLibrary() { dlclose(handle_); }
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    dur_export_fn bind(const char* name) const
    {
        void* symbol = dlsym(handle_, name);
        if (symbol == nullptr)
            throw std::runtime_error(std::string("missing export ") + name);
        return reinterpret_cast<dur_export_fn>(symbol);
    }

private:
    void* handle_;
};

// The built plug-ins, by base name ("Mirkast", "dorvela", "dorvelb").
inline std::string plugin_path(const std::string& base) { return std::string(DUR_PLUGIN_DIR) + "/" + base + ".so"; }

// The plug-in an export belongs to: its name up to the underscore.
inline std::string plugin_of(const std::string& export_name) { return export_name.substr(0, export_name.find('_')); }

}  // namespace dur::test

#endif
