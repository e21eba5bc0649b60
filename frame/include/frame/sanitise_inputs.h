#ifndef FRAME_SANITISE_INPUTS_H
#define FRAME_SANITISE_INPUTS_H

#include <span>

#include "frame/input_table.h"

namespace dur {

// Stores +0.0 over every screened position of the host's vector that is
// negative or NaN. -0.0, +inf and positions without a row are left alone.
void sanitise_inputs(double* inputs, std::span<const InputSpec> table) noexcept;

}  // namespace dur

#endif
