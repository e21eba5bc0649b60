// The reference mixes of the models' worked examples.
#ifndef TESTS_REFERENCE_VECTORS_H
#define TESTS_REFERENCE_VECTORS_H

#include <array>
#include <limits>
#include <string>
#include <vector>

namespace dur::test {

inline constexpr double nan = std::numeric_limits<double>::quiet_NaN();
inline constexpr double inf = std::numeric_limits<double>::infinity();

// cover, t, cs, csat, cth, D0, w, c, a1, a2, a3, sc, s1, s2, s3, m
inline constexpr std::array<double, 16> chloride_reference = {
    30, 50, 3, 10, 0.6, 2.03e-9, 175, 350, 600, 650, 650, 3150, 2600, 2650, 2700, 1,
};

// cover, t, co2, RH, c, w, a1, a2, a3, gc, g1, g2, g3, m
inline constexpr std::array<double, 14> carbonation_reference = {
    0.03, 50, 0.035, 65, 350, 175, 700, 500, 0, 3150, 2650, 2650, 2650, 1,
};

struct Change {
    int position;  // 1-based
    double value;
};

// Positions that every export screens, for tests that need one report per
// thread.
inline int screened_everywhere(int i)
{
    constexpr int positions[] = {3, 4, 6, 7, 8, 9, 10, 11, 12, 13};
    return positions[i % 10];
}

// The reference vector of `export_name`'s plug-in with `changes` applied.
inline std::vector<double> reference_with(const std::string& export_name, const std::vector<Change>& changes)
{
    std::vector<double> v = export_name.rfind("Mirkast", 0) == 0
                                ? std::vector<double>(chloride_reference.begin(), chloride_reference.end())
                                : std::vector<double>(carbonation_reference.begin(), carbonation_reference.end());
    for (const Change& c : changes)
        v[static_cast<std::size_t>(c.position - 1)] = c.value;
    return v;
}

}  // namespace dur::test

#endif
