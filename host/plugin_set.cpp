#include "plugin_set.h"

#include <dlfcn.h>
#include <unistd.h>

#include "host_error.h"

namespace dur::host {
namespace {

std::filesystem::path executable_directory()
{
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : self.parent_path();
}

}  // namespace

std::filesystem::path default_plugin_directory()
{
    std::filesystem::path here = executable_directory();
    for (const std::filesystem::path& candidate : {here, here / ".." / "lib" / "durability"})
        if (std::filesystem::exists(candidate / "Mirkast.so"))
            return std::filesystem::weakly_canonical(candidate);
    return here;
}

PluginSet::PluginSet(const std::filesystem::path& directory)
    : directory_(directory.empty() ? default_plugin_directory() : std::filesystem::absolute(directory))
{
}

PluginSet::~PluginSet()
{
    for (auto& [name, handle] : handles_)
        dlclose(handle);
}

std::filesystem::path PluginSet::library_path(const std::string& plugin) const
{
    return directory_ / (plugin + ".so");
}

dur_export_fn PluginSet::bind(const ExportInfo& info)
{
    void*& handle = handles_[info.plugin];
    const std::filesystem::path path = library_path(info.plugin);
    if (handle == nullptr) {
        handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            handles_.erase(info.plugin);
            throw RunError("cannot load plug-in " + path.string() + ": " + dlerror());
        }
    }
    dlerror();
    void* symbol = dlsym(handle, info.name);
    if (symbol == nullptr) {
        const char* why = dlerror();
        throw RunError("plug-in " + path.string() + " has no export " + info.name + ": " +
                       (why != nullptr ? why : "symbol not found"));
    }
    return reinterpret_cast<dur_export_fn>(symbol);
}

}  // namespace dur::host
