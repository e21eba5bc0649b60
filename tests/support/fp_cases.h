// Vectors whose evaluation divides by zero, overflows, makes a NaN, meets a
// subnormal or goes through pow: what a host with unmasked floating-point
// exceptions would trap on. Shared by the Linux and the Windows tests.
#ifndef TESTS_FP_CASES_H
#define TESTS_FP_CASES_H

#include <vector>

#include "reference_vectors.h"

namespace dur::test {

struct FpCase {
    const char* export_name;
    std::vector<Change> changes;
};

inline const FpCase fp_cases[] = {
    {"Mirkast_xCl", {}},
    {"Mirkast_xCl", {{4, 0.0}, {8, 0.0}}},
    {"Mirkast_xCl", {{3, nan}}},
    {"Mirkast_ti", {{6, 0.0}, {3, 0.0}}},
    {"Mirkast_ti", {{7, inf}}},
    {"dorvela_xc", {{6, inf}}},
    {"dorvela_ti", {}},
    {"dorvela_ti", {{6, inf}, {3, 0.0}}},
    {"dorvela_ti", {{11, 1e-320}, {3, 0.0}}},
    {"dorvelb_xc", {{4, 84.39}}},
    {"dorvelb_xc", {{5, 1e-310}}},
    {"dorvelb_ti", {}},
    {"dorvelb_ti", {{6, inf}, {3, 0.0}}},
};

}  // namespace dur::test

#endif
