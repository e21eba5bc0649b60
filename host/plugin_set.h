// Loads the plug-ins at run time, as any host does: by file name from a
// directory, binding the exports by their plain names.
#ifndef HOST_PLUGIN_SET_H
#define HOST_PLUGIN_SET_H

#include <filesystem>
#include <map>
#include <string>

#include "catalogue.h"
#include "frame/plugin_api.h"

namespace dur::host {

class PluginSet {
public:
    // `directory` empty: beside the executable, or in ../lib/durability of
    // an installed layout.
    explicit PluginSet(const std::filesystem::path& directory = {});
    ~PluginSet();
    PluginSet(const PluginSet&) = delete;
    PluginSet& operator=(const PluginSet&) = delete;

    const std::filesystem::path& directory() const { return directory_; }
    std::filesystem::path library_path(const std::string& plugin) const;

    // Binds an export, loading its plug-in on first use. Throws RunError
    // naming the path and the loader's own message.
    dur_export_fn bind(const ExportInfo& info);

private:
    std::filesystem::path directory_;
    std::map<std::string, void*> handles_;
};

std::filesystem::path default_plugin_directory();

}  // namespace dur::host

#endif
