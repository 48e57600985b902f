#include "graphs/Counts.h"

#include "graphs/grafiki1.h"
#include "shell/core/SharedState.h"

#include <QString>

using shell::core::shared;

namespace graphs {

namespace {

using kinetics::core::ModelCode;

std::string processName(const shell::core::SharedState &s)
{
    switch (s.modelCode) {
    case ModelCode::Reaction: {
        const std::string arrow = s.choices.reversible() ? " <-> " : " -> ";
        return "reaction A" + arrow + "B" + (s.choices.twoSteps() ? arrow + "C" : std::string());
    }
    case ModelCode::Carbonic: return "carbonic acid";
    case ModelCode::Arsenic: return "arsenic acid";
    case ModelCode::Phosphoric: return "phosphoric acid";
    case ModelCode::Pyrophosphoric: return "pyrophosphoric acid";
    case ModelCode::DecaySeries: {
        std::string series = "decay series A";
        for (int step = 1; step <= s.choices.decaySteps; ++step)
            series += std::string(" -> ") + char('A' + step);
        return series;
    }
    case ModelCode::DecayExample: return "polonium series Po-218 -> Pb-214 -> Bi-214 -> Pb-210";
    }
    return "unknown";
}

} // namespace

core::TableNotes describeRun()
{
    const auto &s = shared();
    const bool chemistry = kinetics::core::isChemistry(s.modelCode);
    // The rates the lattice runs with: C -> D belongs to decays only.
    const auto k = shell::core::latticeRun(s).p;
    using core::shortest;
    return {
        {"process", processName(s)},
        {"amount", chemistry ? QString::number(s.initialAmount / 100.0, 'f', 2).toStdString() + " mol/L"
                             : std::to_string(s.initialAmount) + " % of the sites"},
        {"temperature", std::to_string(s.temperatureC) + " \u00b0C"},
        {"duration", std::to_string(s.runDuration)},
        {"rates", "k1=" + shortest(k.k1) + ", k1Reverse=" + shortest(k.k1Reverse) + ", k2=" + shortest(k.k2)
                      + ", k2Reverse=" + shortest(k.k2Reverse) + ", k3=" + shortest(k.k3)},
        {"interval", std::to_string(s.run.tickInterval()) + " ms"},
        {"spots", std::to_string(s.run.spotTotal())},
    };
}

QByteArray countsCsv(const core::TableNotes &notes)
{
    const auto &s = shared();
    const auto &graphs = toolkit::form<grafiki1>();
    const bool smooth = graphs.smoothRun == s.runCount && graphs.curveStep > 0 && graphs.curveTotal > 0;
    const core::SmoothColumns columns{
        {&s.curveA, &s.curveB, &s.curveC, &s.curveD}, graphs.curveStep, s.run.spotTotal() / graphs.curveTotal};
    core::TableNotes all = notes;
    if (smooth)
        all.emplace_back("smooth", "the solution of the rate equations at each tick's time, in spots of this run");
    return QByteArray::fromStdString(core::countsTable(all, s.run.history(), smooth ? &columns : nullptr));
}

} // namespace graphs
