// Constants of both carbonation models, each written once.
#ifndef CARBONATION_CONSTANTS_H
#define CARBONATION_CONSTANTS_H

namespace dur::carbonation {

constexpr double zero_substitute = 1e-6;     // stands in for a zero divisor, K or B
constexpr double wc_threshold = 0.3;         // no carbonation resistance term below w/c 0.3
constexpr double depth_constant = 0.35;
constexpr double per_water_density = 0.001;  // 1 / (1000 kg/m3)
constexpr double k = 5.454545454545455e-7;   // nearest double to 6/11 x 1e-6

}  // namespace dur::carbonation

#endif
