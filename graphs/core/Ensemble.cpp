#include "graphs/core/Ensemble.h"

#include <algorithm>
#include <cmath>

namespace graphs::core {

double binomialSpread(const SmoothSolution &smooth, int spots, int member, double t)
{
    const double share = smooth.total > 0 ? smooth.at(member, t) / smooth.total : std::nan("");
    if (std::isnan(share))
        return share;
    const double p = std::clamp(share, 0.0, 1.0);
    return std::sqrt(spots * p * (1 - p));
}

EnsembleComparison compare(const kinetics::core::EnsembleStats &stats, const SmoothSolution &smooth)
{
    EnsembleComparison out;
    const int spots = stats.setup.spots;
    const double scale = smooth.total > 0 ? spots / smooth.total : 0;
    double ratios = 0;
    int measured = 0;
    for (std::size_t i = 0; i < stats.times.size(); ++i) {
        const double t = stats.times[i];
        for (int m = 0; m < stats.setup.kinds(); ++m) {
            const double expected = smooth.at(m, t) * scale;
            const double binomial = binomialSpread(smooth, spots, m, t);
            if (std::isnan(expected) || std::isnan(binomial))
                continue;
            const double sd = stats.sd[std::size_t(m)][i];
            // A count that hardly varies is held to a tenth of a spot.
            const double error = std::max({sd, binomial, 0.1}) / std::sqrt(double(stats.copies));
            const double z = std::fabs(stats.mean[std::size_t(m)][i] - expected) / error;
            if (z > out.standardErrors) {
                out.standardErrors = z;
                out.kind = m;
                out.time = t;
            }
            if (binomial >= 1) {
                ratios += sd / binomial;
                ++measured;
            }
        }
    }
    out.spreadRatio = measured ? ratios / measured : 0;
    return out;
}

} // namespace graphs::core
