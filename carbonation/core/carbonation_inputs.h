// The 14-position input vector shared by all four carbonation exports.
//
// Constant data only, initialised at compile time.
#ifndef CARBONATION_INPUTS_H
#define CARBONATION_INPUTS_H

#include "frame/input_table.h"

namespace dur::carbonation {

// 0-based indices into the host's vector (position = index + 1).
enum Index : int {
    cover, t, co2, RH, c, w, a1, a2, a3, gc, g1, g2, g3, m,
    input_count,
};

// Positions 1 to 13, screened and sanitised by every export, including the
// one it does not read (the cover in a depth, the time in an initiation
// time). Position 14, the result factor, has no row.
inline constexpr InputSpec screened_inputs[] = {
    { 1, "concrete cover",                InputRule::NonNegative},
    { 2, "time",                          InputRule::NonNegative},
    { 3, "CO2 content in the atmosphere", InputRule::NonNegative},
    { 4, "relative humidity",             InputRule::Percent    },
    { 5, "unit content of cement",        InputRule::Positive   },
    { 6, "unit content of water",         InputRule::NonNegative},
    { 7, "unit content of aggr. I",       InputRule::NonNegative},
    { 8, "unit content of aggr. II",      InputRule::NonNegative},
    { 9, "unit content of aggr. III",     InputRule::NonNegative},
    {10, "spec. gravity of cement",       InputRule::Positive   },
    {11, "spec. gravity of aggr. I",      InputRule::Positive   },
    {12, "spec. gravity of aggr. II",     InputRule::Positive   },
    {13, "spec. gravity of aggr. III",    InputRule::Positive   },
};

}  // namespace dur::carbonation

#endif
