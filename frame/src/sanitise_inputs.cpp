#include "frame/sanitise_inputs.h"

namespace dur {

void sanitise_inputs(double* inputs, std::span<const InputSpec> table) noexcept
{
    // Whatever the row's rule: only what fails x >= 0 is overwritten, so a
    // zero cement content or a humidity above 100 reach the model as given.
    for (const InputSpec& row : table) {
        double& value = inputs[row.position - 1];
        if (!(value >= 0.0))
            value = +0.0;
    }
}

}  // namespace dur
