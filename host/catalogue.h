// What durhost knows about the plug-ins it drives: each export, its plug-in,
// what it returns, and the layout of its input vector (position, symbol,
// message name, unit, and the reference mix that stands in for an input the
// user does not give).
#ifndef HOST_CATALOGUE_H
#define HOST_CATALOGUE_H

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dur::host {

struct InputSlot {
    int position;          // 1-based
    const char* symbol;
    const char* message;   // as the plug-in's log names it; "" for the result factor
    const char* unit;
    double reference;      // the worked example's value
};

enum class ResultKind {
    depth,            // how far the agent has advanced at time t
    initiation_time,  // when it reaches the cover
};

struct ExportInfo {
    const char* name;
    const char* plugin;
    ResultKind kind;
    const char* unit;
    const char* log;  // the error log the export appends to
    std::span<const InputSlot> layout;
    int time_position;   // read by depth exports
    int cover_position;  // read by initiation-time exports
};

std::span<const ExportInfo> exports();
const ExportInfo* find_export(std::string_view name);

// The slot named by `key`: a symbol of the layout, or "p1".."pN".
std::optional<InputSlot> find_slot(const ExportInfo& info, std::string_view key);

// "cover, t, cs, ..." for messages that list what is valid.
std::string symbol_list(const ExportInfo& info);
std::string export_list();

std::vector<double> reference_vector(const ExportInfo& info);

}  // namespace dur::host

#endif
