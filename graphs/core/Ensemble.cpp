#include "graphs/core/Ensemble.h"

#include "kinetics/core/EventRule.h"

#include <algorithm>
#include <cmath>

namespace graphs::core {

EnsembleComparison compare(const kinetics::core::EnsembleStats &stats, const SmoothSolution &smooth)
{
    EnsembleComparison out;
    const int spots = stats.setup.spots;
    const double scale = smooth.total > 0 ? spots / smooth.total : 0;
    const auto exact = kinetics::core::exactMoments(stats.setup, int(stats.times.size()));
    double ratios = 0;
    int measured = 0;
    for (std::size_t i = 0; i < stats.times.size(); ++i) {
        const double t = stats.times[i];
        for (int m = 0; m < stats.setup.kinds(); ++m) {
            const double expected = smooth.at(m, t) * scale;
            const double rule = exact[i].sd(m);
            if (std::isnan(expected))
                continue;
            const double sd = stats.sd[std::size_t(m)][i];
            // A count that hardly varies is held to a tenth of a spot.
            const double error = std::max({sd, rule, 0.1}) / std::sqrt(double(stats.copies));
            const double z = std::fabs(stats.mean[std::size_t(m)][i] - expected) / error;
            if (z > out.standardErrors) {
                out.standardErrors = z;
                out.kind = m;
                out.time = t;
            }
            if (rule >= 1) {
                ratios += sd / rule;
                ++measured;
            }
        }
    }
    out.spreadRatio = measured ? ratios / measured : 0;
    return out;
}

} // namespace graphs::core
