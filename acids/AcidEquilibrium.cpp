#include "acids/AcidEquilibrium.h"

#include "kinetics/YPOTHETIKES.h"
#include "kinetics/core/TemperatureFactor.h"
#include "shell/Quantities.h"
#include "shell/core/SharedState.h"
#include "toolkit/Quantity.h"

using namespace toolkit;
using shell::core::shared;
using toolkit::core::CInt;

namespace acids {

core::Percentages applyEquilibrium(double c, kinetics::core::ModelCode modelCode, double temperatureC)
{
    auto &parameters = form<YPOTHETIKES>();
    const core::Percentages p = core::equilibriumPercentages(float(c), modelCode, temperatureC);

    // The bars' own change handlers write rounded rates; the exact ones below
    // replace them.
    const double percentages[] = {p.p1, p.p2, p.p3, p.p4};
    for (int step = 0; step < 4; ++step)
        parameters.setRateBar(step, CInt(percentages[step]));

    const double f = kinetics::core::temperatureFactor(modelCode, shell::temperature().value());
    shared().rates.steps = core::acidRates(p, f);
    return p;
}

} // namespace acids
