// The chloride plug-in's 16-position input vector and the two export tables.
//
// Everything here is constant data, initialised at compile time: loading the
// plug-in runs no code.
#ifndef CHLORIDE_INPUTS_H
#define CHLORIDE_INPUTS_H

#include <span>

#include "frame/input_table.h"

namespace dur::chloride {

// 0-based indices into the host's vector (position = index + 1).
enum Index : int {
    cover, t, cs, csat, cth, D0, w, c, a1, a2, a3, sc, s1, s2, s3, m,
    input_count,
};

// Message names of positions 1 to 15, spelled as the logs have always had
// them ("chlor.", "treshold"); position 16, the result factor, has none.
inline constexpr const char* message_names[] = {
    "concrete cover",
    "time of exposure",
    "concentration of chlor. on nearest surface",
    "saturation concentration in solid",
    "treshold concentration of Cl- in liquid",
    "diffusion coefficient in infinite solution",
    "unit content of water",
    "unit content of cement",
    "unit content of aggr. I",
    "unit content of aggr. II",
    "unit content of aggr. III",
    "specific gravity of cement",
    "specific gravity of aggr. I",
    "specific gravity of aggr. II",
    "specific gravity of aggr. III",
};

// Every screened chloride input only has to be non-negative.
constexpr InputSpec screened(int position) noexcept
{
    return {position, message_names[position - 1], InputRule::NonNegative};
}

// The depth reads neither the cover (1) nor the threshold (5).
inline constexpr InputSpec depth_inputs[] = {
    screened(2), screened(3), screened(4), screened(6), screened(7), screened(8), screened(9),
    screened(10), screened(11), screened(12), screened(13), screened(14), screened(15),
};

// The initiation time does not read the time of exposure (2).
inline constexpr InputSpec initiation_time_inputs[] = {
    screened(1), screened(3), screened(4), screened(5), screened(6), screened(7), screened(8),
    screened(9), screened(10), screened(11), screened(12), screened(13), screened(14), screened(15),
};

}  // namespace dur::chloride

#endif
