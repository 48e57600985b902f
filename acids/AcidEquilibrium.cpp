// What an acid's equilibrium does to the windows: the parameters window's
// probability bars, the shared rates and their lists on the run control.
#include "acids/AcidEquilibrium.h"

#include "graphs/apotelesmata.h"
#include "kinetics/YPOTHETIKES.h"
#include "kinetics/core/TemperatureFactor.h"
#include "shell/core/SharedState.h"

using namespace toolkit;
using shell::core::shared;
using toolkit::core::CInt;

namespace acids {

core::Percentages acidEquilibrium(double c, kinetics::core::ModelCode modelCode, double temperatureC)
{
    auto &s = shared();
    auto &parameters = form<YPOTHETIKES>();
    const core::Percentages p = core::acidEquilibrium(float(c), modelCode, temperatureC);

    // The bars' own change handlers write rounded rates; the exact ones below
    // replace them.
    parameters.bleprasino.setValue(CInt(p.p1));
    parameters.pithanotipiso.setValue(CInt(p.p2));
    parameters.kokkina.setValue(CInt(p.p3));
    parameters.kokkinaprasina.setValue(CInt(p.p4));

    s.temperatureC = parameters.tempotherm.value();
    const double f = kinetics::core::temperatureFactor(modelCode, s.temperatureC, s.temperatureC);
    const kinetics::core::StepProbabilities rates = core::acidRates(p, f);
    s.rateK1 = rates.k1;
    s.rateK1Reverse = rates.k1Reverse;
    s.rateK2 = rates.k2;
    s.rateK2Reverse = rates.k2Reverse;
    return p;
}

void listRates(bool reversible, bool twoSteps)
{
    const auto &s = shared();
    auto &run = form<apotelesmata>();
    run.beginRateList();
    run.printRate(s.rateK1, 185, QStringLiteral(" A->B"), "0.00E+00");
    if (reversible)
        run.printRate(s.rateK1Reverse, 161, QStringLiteral(" B->A"), "0.00E+00");
    if (twoSteps) {
        run.printRate(s.rateK2, 137, QStringLiteral(" B->C"), "0.00E+00");
        if (reversible)
            run.printRate(s.rateK2Reverse, 113, QStringLiteral(" C->B"), "0.00E+00");
    }
}

void stopRun() { form<apotelesmata>().Timer1.setEnabled(false); }

} // namespace acids
