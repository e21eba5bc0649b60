#include <cstdio>

#include "catalogue.h"
#include "commands.h"
#include "host_error.h"
#include "plugin_set.h"

namespace dur::host {

int list_command(const std::filesystem::path& plugins)
{
    PluginSet set(plugins);
    std::printf("plug-ins in %s\n", set.directory().c_str());
    const char* shown = "";
    for (const ExportInfo& e : exports()) {
        std::string status = "ok";
        try {
            set.bind(e);
        } catch (const RunError& error) {
            status = error.what();
        }
        if (std::string(shown) != e.plugin) {
            std::printf("\n%s (%s)\n", e.plugin, set.library_path(e.plugin).c_str());
            shown = e.plugin;
        }
        std::printf("  %-12s %-16s %-6s %s\n", e.name,
                    e.kind == ResultKind::depth ? "depth" : "initiation time", e.unit, status.c_str());
        if (std::string(e.name).ends_with("_ti")) {
            std::printf("  layout:\n  %-4s %-6s %-7s %s\n", "pos", "symbol", "unit", "message name");
            for (const InputSlot& slot : e.layout)
                std::printf("  %-4d %-6s %-7s %s\n", slot.position, slot.symbol, slot.unit,
                            *slot.message ? slot.message : "(result factor, not screened)");
        }
    }
    return exit_ok;
}

}  // namespace dur::host
