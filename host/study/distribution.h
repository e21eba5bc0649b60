// The distributions of a study's random inputs, each given by the
// parameters that engineers quote (mean and standard deviation of the
// variable itself where that is the custom), turned into a quantile
// function. The quantiles are Boost.Math's.
#ifndef HOST_STUDY_DISTRIBUTION_H
#define HOST_STUDY_DISTRIBUTION_H

#include <map>
#include <string>
#include <variant>
#include <vector>

#include <boost/math/distributions/beta.hpp>
#include <boost/math/distributions/extreme_value.hpp>
#include <boost/math/distributions/lognormal.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/triangular.hpp>
#include <boost/math/distributions/uniform.hpp>
#include <boost/math/distributions/weibull.hpp>

namespace dur::host {

// Parameters as written in the study file, by name ("mean", "sd", ...).
using DistributionParameters = std::map<std::string, double>;

struct TruncatedNormal {
    boost::math::normal_distribution<double> parent;
    double p_low;   // parent CDF at min
    double p_high;  // parent CDF at max
};

struct ScaledBeta {
    boost::math::beta_distribution<double> unit;
    double min;
    double max;
};

class Distribution {
public:
    // Throws std::invalid_argument with a message that says what was
    // expected (unknown kind, missing or unknown parameter, sd <= 0, bounds
    // in the wrong order, a mean and sd that the kind cannot have).
    static Distribution make(const std::string& kind, const DistributionParameters& parameters);

    // The value with cumulative probability u, 0 < u < 1.
    double quantile(double u) const;

    const std::string& kind() const { return kind_; }
    const DistributionParameters& parameters() const { return parameters_; }

    // The parameter names each kind takes, in the order they are quoted.
    static const std::map<std::string, std::vector<std::string>>& kinds();

private:
    using Model = std::variant<boost::math::normal_distribution<double>, boost::math::lognormal_distribution<double>,
                               boost::math::uniform_distribution<double>, TruncatedNormal,
                               boost::math::extreme_value_distribution<double>,
                               boost::math::weibull_distribution<double>, ScaledBeta,
                               boost::math::triangular_distribution<double>>;

    Distribution(std::string kind, DistributionParameters parameters, Model model)
        : kind_(std::move(kind)), parameters_(std::move(parameters)), model_(model)
    {
    }

    std::string kind_;
    DistributionParameters parameters_;
    Model model_;
};

}  // namespace dur::host

#endif
