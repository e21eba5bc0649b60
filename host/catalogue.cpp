#include "catalogue.h"

#include <iterator>

#include "carbonation_inputs.h"
#include "chloride_inputs.h"

namespace dur::host {
namespace {

namespace cl = dur::chloride;
namespace cb = dur::carbonation;

// The reference mixes are the worked examples of the models, so that an
// evaluation without inputs reproduces the published values.
const InputSlot chloride_layout[] = {
    { 1, "cover", cl::message_names[0],  "mm",          30     },
    { 2, "t",     cl::message_names[1],  "years",       50     },
    { 3, "cs",    cl::message_names[2],  "conc.",       3      },
    { 4, "csat",  cl::message_names[3],  "conc.",       10     },
    { 5, "cth",   cl::message_names[4],  "conc.",       0.6    },
    { 6, "D0",    cl::message_names[5],  "m2/s",        2.03e-9},
    { 7, "w",     cl::message_names[6],  "kg/m3",       175    },
    { 8, "c",     cl::message_names[7],  "kg/m3",       350    },
    { 9, "a1",    cl::message_names[8],  "kg/m3",       600    },
    {10, "a2",    cl::message_names[9],  "kg/m3",       650    },
    {11, "a3",    cl::message_names[10], "kg/m3",       650    },
    {12, "sc",    cl::message_names[11], "kg/m3",       3150   },
    {13, "s1",    cl::message_names[12], "kg/m3",       2600   },
    {14, "s2",    cl::message_names[13], "kg/m3",       2650   },
    {15, "s3",    cl::message_names[14], "kg/m3",       2700   },
    {16, "m",     "",                    "-",           1      },
};

const InputSlot carbonation_layout[] = {
    { 1, "cover", cb::screened_inputs[0].name,  "m",        0.03 },
    { 2, "t",     cb::screened_inputs[1].name,  "years",    50   },
    { 3, "co2",   cb::screened_inputs[2].name,  "% vol",    0.035},
    { 4, "RH",    cb::screened_inputs[3].name,  "%",        65   },
    { 5, "c",     cb::screened_inputs[4].name,  "kg/m3",    350  },
    { 6, "w",     cb::screened_inputs[5].name,  "kg/m3",    175  },
    { 7, "a1",    cb::screened_inputs[6].name,  "kg/m3",    700  },
    { 8, "a2",    cb::screened_inputs[7].name,  "kg/m3",    500  },
    { 9, "a3",    cb::screened_inputs[8].name,  "kg/m3",    0    },
    {10, "gc",    cb::screened_inputs[9].name,  "kg/m3",    3150 },
    {11, "g1",    cb::screened_inputs[10].name, "kg/m3",    2650 },
    {12, "g2",    cb::screened_inputs[11].name, "kg/m3",    2650 },
    {13, "g3",    cb::screened_inputs[12].name, "kg/m3",    2650 },
    {14, "m",     "",                           "-",        1    },
};

const ExportInfo export_table[] = {
    {"Mirkast_xCl", "Mirkast", ResultKind::depth,           "mm",    "err_mirkast_xCl.txt", chloride_layout,    2, 1},
    {"Mirkast_ti",  "Mirkast", ResultKind::initiation_time, "years", "err_mirkast_ti.txt",  chloride_layout,    2, 1},
    {"dorvela_xc",  "dorvela", ResultKind::depth,           "m",     "err_dorvela.txt",     carbonation_layout, 2, 1},
    {"dorvela_ti",  "dorvela", ResultKind::initiation_time, "years", "err_dorvela.txt",     carbonation_layout, 2, 1},
    {"dorvelb_xc",  "dorvelb", ResultKind::depth,           "m",     "err_dorvelb.txt",     carbonation_layout, 2, 1},
    {"dorvelb_ti",  "dorvelb", ResultKind::initiation_time, "years", "err_dorvelb.txt",     carbonation_layout, 2, 1},
};

}  // namespace

std::span<const ExportInfo> exports() { return export_table; }

const ExportInfo* find_export(std::string_view name)
{
    for (const ExportInfo& e : export_table)
        if (name == e.name)
            return &e;
    return nullptr;
}

std::optional<InputSlot> find_slot(const ExportInfo& info, std::string_view key)
{
    for (const InputSlot& slot : info.layout)
        if (key == slot.symbol || key == "p" + std::to_string(slot.position))
            return slot;
    return std::nullopt;
}

std::string symbol_list(const ExportInfo& info)
{
    std::string text;
    for (const InputSlot& slot : info.layout)
        text += (text.empty() ? "" : ", ") + std::string(slot.symbol);
    return text;
}

std::string export_list()
{
    std::string text;
    for (const ExportInfo& e : export_table)
        text += (text.empty() ? "" : ", ") + std::string(e.name);
    return text;
}

std::vector<double> reference_vector(const ExportInfo& info)
{
    std::vector<double> v;
    for (const InputSlot& slot : info.layout)
        v.push_back(slot.reference);
    return v;
}

}  // namespace dur::host
