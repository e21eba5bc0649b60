// The known values file: one row per call, "export,expected,p1,...,pn".
// Numbers are written so that strtod reads back the exact double.
#ifndef TESTS_KNOWN_VALUES_H
#define TESTS_KNOWN_VALUES_H

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace dur::test {

struct KnownValue {
    std::string export_name;
    double expected;
    std::vector<double> inputs;
};

inline std::vector<KnownValue> read_known_values(const std::string& path)
{
    std::vector<KnownValue> rows;
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        std::istringstream fields(line);
        std::string field;
        KnownValue row;
        std::getline(fields, row.export_name, ',');
        std::getline(fields, field, ',');
        row.expected = std::strtod(field.c_str(), nullptr);
        while (std::getline(fields, field, ','))
            row.inputs.push_back(std::strtod(field.c_str(), nullptr));
        rows.push_back(std::move(row));
    }
    return rows;
}

// Whether an export's model calls the library's pow, whose last bit may
// differ between C runtimes.
inline bool uses_pow(const std::string& export_name)
{
    return export_name == "dorvela_ti" || export_name == "dorvelb_xc" || export_name == "dorvelb_ti";
}

}  // namespace dur::test

#endif
