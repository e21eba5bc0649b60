#include "carbonation_laws.h"

namespace dur::carbonation {

double depth_coefficient(const MixQuantities& mq, double humidity_term) noexcept
{
    return (mq.N / mq.D) * humidity_term;
}

}  // namespace dur::carbonation
