#include "acids/AcidEquilibrium.h"

#include "kinetics/YPOTHETIKES.h"
#include "kinetics/core/TemperatureFactor.h"
#include "shell/Quantities.h"
#include "shell/core/SharedState.h"

using namespace toolkit;
using shell::core::shared;
using toolkit::core::CInt;

namespace acids {

core::Percentages applyEquilibrium(double c, kinetics::core::ModelCode modelCode, double temperatureC)
{
    auto &s = shared();
    auto &parameters = form<YPOTHETIKES>();
    const core::Percentages p = core::equilibriumPercentages(float(c), modelCode, temperatureC);

    // The bars' own change handlers write rounded rates; the exact ones below
    // replace them.
    parameters.bleprasino.setValue(CInt(p.p1));
    parameters.pithanotipiso.setValue(CInt(p.p2));
    parameters.kokkina.setValue(CInt(p.p3));
    parameters.kokkinaprasina.setValue(CInt(p.p4));

    s.temperatureC = shell::temperature().value();
    const double f = kinetics::core::temperatureFactor(modelCode, s.temperatureC);
    shell::core::setReactionSteps(s, core::acidRates(p, f));
    return p;
}

} // namespace acids
