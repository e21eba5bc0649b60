#include "distribution.h"

#include <cmath>
#include <sstream>
#include <stdexcept>

#include <boost/math/constants/constants.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <boost/math/tools/roots.hpp>

namespace dur::host {
namespace {

namespace bm = boost::math;

std::string number(double v)
{
    std::ostringstream text;
    text << v;
    return text.str();
}

[[noreturn]] void reject(const std::string& what) { throw std::invalid_argument(what); }

void require_positive_sd(double sd)
{
    if (!(sd > 0.0))
        reject("sd must be > 0 (got " + number(sd) + ")");
}

void require_order(const char* low_name, double low, const char* high_name, double high)
{
    if (!(low < high))
        reject(std::string(low_name) + " must be less than " + high_name + " (got " + number(low) + " and " +
               number(high) + ")");
}

// Weibull shape k from the coefficient of variation: the variable's
// CoV^2 = Gamma(1 + 2/k) / Gamma(1 + 1/k)^2 - 1 falls as k grows.
double weibull_shape(double cov)
{
    auto excess = [cov](double k) {
        const double g1 = bm::tgamma(1.0 + 1.0 / k);
        const double g2 = bm::tgamma(1.0 + 2.0 / k);
        return g2 / (g1 * g1) - 1.0 - cov * cov;
    };
    double low = 0.05, high = 500.0;
    if (excess(low) < 0.0 || excess(high) > 0.0)
        reject("weibull: coefficient of variation sd/mean = " + number(cov) + " is out of reach");
    bm::tools::eps_tolerance<double> tolerance(50);
    std::uintmax_t iterations = 200;
    const auto [a, b] = bm::tools::toms748_solve(excess, low, high, tolerance, iterations);
    return 0.5 * (a + b);
}

}  // namespace

const std::map<std::string, std::vector<std::string>>& Distribution::kinds()
{
    static const std::map<std::string, std::vector<std::string>> table = {
        {"normal",           {"mean", "sd"}},
        {"lognormal",        {"mean", "sd"}},
        {"uniform",          {"min", "max"}},
        {"truncated_normal", {"mean", "sd", "min", "max"}},
        {"gumbel",           {"mean", "sd"}},
        {"weibull",          {"mean", "sd"}},
        {"beta",             {"mean", "sd", "min", "max"}},
        {"triangular",       {"min", "mode", "max"}},
    };
    return table;
}

Distribution Distribution::make(const std::string& kind, const DistributionParameters& p)
{
    const auto entry = kinds().find(kind);
    if (entry == kinds().end()) {
        std::string valid;
        for (const auto& [name, params] : kinds())
            valid += (valid.empty() ? "" : ", ") + name;
        reject("unknown distribution \"" + kind + "\" (expected one of " + valid + ")");
    }
    for (const std::string& name : entry->second)
        if (p.find(name) == p.end())
            reject(kind + " needs " + name);
    for (const auto& [name, value] : p) {
        bool known = false;
        for (const std::string& n : entry->second)
            known = known || n == name;
        if (!known)
            reject("unknown key \"" + name + "\" for " + kind + " (expected dist and " + [&] {
                       std::string s;
                       for (const std::string& n : entry->second)
                           s += (s.empty() ? "" : ", ") + n;
                       return s;
                   }() + ")");
        if (!std::isfinite(value))
            reject(name + " must be a finite number");
    }

    auto at = [&](const char* name) { return p.at(name); };
    if (kind == "normal") {
        require_positive_sd(at("sd"));
        return {kind, p, bm::normal_distribution<double>(at("mean"), at("sd"))};
    }
    if (kind == "lognormal") {
        require_positive_sd(at("sd"));
        if (!(at("mean") > 0.0))
            reject("lognormal mean must be > 0 (got " + number(at("mean")) + ")");
        // Parameters of the underlying normal from the variable's own moments.
        const double cov = at("sd") / at("mean");
        const double sigma = std::sqrt(std::log1p(cov * cov));
        const double mu = std::log(at("mean")) - 0.5 * sigma * sigma;
        return {kind, p, bm::lognormal_distribution<double>(mu, sigma)};
    }
    if (kind == "uniform") {
        require_order("min", at("min"), "max", at("max"));
        return {kind, p, bm::uniform_distribution<double>(at("min"), at("max"))};
    }
    if (kind == "truncated_normal") {
        require_positive_sd(at("sd"));
        require_order("min", at("min"), "max", at("max"));
        // mean and sd are those of the normal before truncation.
        const bm::normal_distribution<double> parent(at("mean"), at("sd"));
        const double low = bm::cdf(parent, at("min"));
        const double high = bm::cdf(parent, at("max"));
        if (!(high > low))
            reject("truncated_normal: [min, max] holds no probability of the normal");
        return {kind, p, TruncatedNormal{parent, low, high}};
    }
    if (kind == "gumbel") {
        // Largest values: scale from the sd, location from the mean.
        require_positive_sd(at("sd"));
        const double scale = at("sd") * std::sqrt(6.0) / bm::constants::pi<double>();
        const double location = at("mean") - bm::constants::euler<double>() * scale;
        return {kind, p, bm::extreme_value_distribution<double>(location, scale)};
    }
    if (kind == "weibull") {
        require_positive_sd(at("sd"));
        if (!(at("mean") > 0.0))
            reject("weibull mean must be > 0 (got " + number(at("mean")) + ")");
        const double shape = weibull_shape(at("sd") / at("mean"));
        const double scale = at("mean") / bm::tgamma(1.0 + 1.0 / shape);
        return {kind, p, bm::weibull_distribution<double>(shape, scale)};
    }
    if (kind == "beta") {
        require_positive_sd(at("sd"));
        require_order("min", at("min"), "max", at("max"));
        const double width = at("max") - at("min");
        const double m = (at("mean") - at("min")) / width;
        const double v = (at("sd") / width) * (at("sd") / width);
        if (!(m > 0.0 && m < 1.0) || !(v < m * (1.0 - m)))
            reject("beta: mean " + number(at("mean")) + " and sd " + number(at("sd")) +
                   " do not fit between min and max");
        const double common = m * (1.0 - m) / v - 1.0;
        return {kind, p, ScaledBeta{bm::beta_distribution<double>(m * common, (1.0 - m) * common), at("min"), at("max")}};
    }
    // triangular
    require_order("min", at("min"), "max", at("max"));
    if (!(at("mode") >= at("min") && at("mode") <= at("max")))
        reject("triangular mode must lie between min and max (got " + number(at("mode")) + ")");
    return {kind, p, bm::triangular_distribution<double>(at("min"), at("mode"), at("max"))};
}

double Distribution::quantile(double u) const
{
    return std::visit(
        [u](const auto& d) -> double {
            using D = std::decay_t<decltype(d)>;
            if constexpr (std::is_same_v<D, TruncatedNormal>)
                return bm::quantile(d.parent, d.p_low + u * (d.p_high - d.p_low));
            else if constexpr (std::is_same_v<D, ScaledBeta>)
                return d.min + bm::quantile(d.unit, u) * (d.max - d.min);
            else
                return bm::quantile(d, u);
        },
        model_);
}

}  // namespace dur::host
