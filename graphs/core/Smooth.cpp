#include "graphs/core/Smooth.h"

#include "kinetics/core/Lattice.h"
#include "kinetics/core/Run.h"
#include "kinetics/core/TemperatureFactor.h"
#include "toolkit/core/Numeric.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace graphs::core {

double sampleAt(const std::vector<double> &samples, double step, double t)
{
    const double position = step > 0 ? t / step : -1;
    const double nearest = std::round(position);
    const bool onSample = std::fabs(position - nearest) < 1e-9;
    const double first = onSample ? nearest : std::floor(position);
    if (!(first >= 0) || first + (onSample ? 0 : 1) >= double(samples.size()))
        return std::numeric_limits<double>::quiet_NaN();
    const auto k = static_cast<std::size_t>(first);
    if (onSample)
        return samples[k];
    const double along = position - first;
    return samples[k] + (samples[k + 1] - samples[k]) * along;
}

int SmoothSolution::segments() const
{
    if (!(step > 0))
        return 0;
    const int drawn = toolkit::core::CInt(end / step);
    const int stored = int(amounts[0].size()) - 1;
    return std::max(0, std::min(drawn, stored));
}

double SmoothSolution::at(int member, double t) const
{
    if (member < 0 || member >= int(amounts.size()))
        return std::nan("");
    return sampleAt(amounts[std::size_t(member)], step, t);
}

double SmoothSolution::plotted(double spots) const
{
    return total > 0 ? spots * kinetics::core::amountPerSpot(amount, total) : 0;
}

SmoothSolution smoothSolution(const kinetics::core::RunSetup &setup)
{
    namespace kc = kinetics::core;
    SmoothSolution s;
    const double factor = kc::temperatureFactor(setup.process, setup.temperatureC);
    s.p = chainCoefficients(setup.process, setup.rates, factor);
    s.total = kc::layoutTarget(setup.amount);
    s.amount = setup.amount;
    s.amounts = solveChain(s.total, s.p, curveStepCount(setup.duration), curveStepTicks);
    s.rates = chainRateSeries(s.amounts, s.p);
    s.step = setup.interval * curveStepTicks;
    s.end = setup.duration;
    return s;
}

} // namespace graphs::core
