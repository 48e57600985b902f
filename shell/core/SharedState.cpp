#include "shell/core/SharedState.h"

#include <array>
#include <utility>

namespace shell::core {

SharedState &shared()
{
    static SharedState state;
    return state;
}

void resetShared()
{
    shared() = SharedState{};
}

kinetics::core::StepProbabilities stepProbabilities(const SharedState &s)
{
    return {s.rateK1, s.rateK1Reverse, s.rateK2, s.rateK2Reverse, s.rateK3};
}

void setReactionSteps(SharedState &s, const kinetics::core::StepProbabilities &p)
{
    s.rateK1 = p.k1;
    s.rateK1Reverse = p.k1Reverse;
    s.rateK2 = p.k2;
    s.rateK2Reverse = p.k2Reverse;
}

kinetics::core::LatticeRun latticeRun(const SharedState &s)
{
    kinetics::core::LatticeRun run;
    run.side = s.latticeSide;
    run.lowestIndex = s.lowestIndex;
    run.codeA = s.codeA;
    run.codeB = s.codeB;
    run.reversible = s.reactionRun;
    run.p = stepProbabilities(s);
    if (!kinetics::core::isDecay(s.modelCode))
        run.p.k3 = 0;
    return run;
}

int plottedKinds(const SharedState &s)
{
    if (s.modelCode == kinetics::core::ModelCode::DecayExample)
        return 4; // the worked series' three steps, lead-210 growing at its end
    if (kinetics::core::isDecay(s.modelCode))
        return s.choices.decaySteps == 1 ? 2 : s.choices.decaySteps == 3 ? 4 : 3;
    return s.choices.twoSteps() ? 3 : 2;
}

kinetics::core::RunRates runRates(const SharedState &s) { return {stepProbabilities(s), s.rateK4, s.rateK5}; }

namespace {

void assign(const std::array<std::vector<double> *, 6> &targets, const Series &series)
{
    for (std::size_t m = 0; m < targets.size(); ++m)
        *targets[m] = series[m];
}

} // namespace

void storeCurves(SharedState &s, const Series &a)
{
    assign({&s.curveA, &s.curveB, &s.curveC, &s.curveD, &s.curveE, &s.curveF}, a);
    const std::size_t size = a[0].size();
    for (auto *rates : {&s.rateCurveA, &s.rateCurveB, &s.rateCurveC, &s.rateCurveD, &s.rateCurveE,
                        &s.rateCurveF})
        rates->assign(size, 0.0);
}

void storeRateCurves(SharedState &s, const Series &r)
{
    assign({&s.rateCurveA, &s.rateCurveB, &s.rateCurveC, &s.rateCurveD, &s.rateCurveE, &s.rateCurveF}, r);
}

namespace {

template <typename T>
using Field = T SharedState::*;

const auto numberFields = std::to_array<std::pair<std::string_view, Field<int>>>({
    {"derivedGraphCount", &SharedState::derivedGraphCount},
    {"runCount", &SharedState::runCount},
    {"temperatureC", &SharedState::temperatureC},
    {"runDuration", &SharedState::runDuration},
    {"initialAmount", &SharedState::initialAmount},
    {"latticeSide", &SharedState::latticeSide},
    {"lowestIndex", &SharedState::lowestIndex},
    {"codeA", &SharedState::codeA},
    {"codeB", &SharedState::codeB},
});

const auto realFields = std::to_array<std::pair<std::string_view, Field<double>>>({
    {"concentrationAxisTop", &SharedState::concentrationAxisTop},
    {"rateK1", &SharedState::rateK1},
    {"rateK2", &SharedState::rateK2},
    {"rateK3", &SharedState::rateK3},
    {"rateK4", &SharedState::rateK4},
    {"rateK5", &SharedState::rateK5},
    {"rateK1Reverse", &SharedState::rateK1Reverse},
    {"rateK2Reverse", &SharedState::rateK2Reverse},
});

const auto flagFields = std::to_array<std::pair<std::string_view, Field<bool>>>({
    {"chemistryChosen", &SharedState::chemistryChosen},
    {"reactionRun", &SharedState::reactionRun},
    {"amountChanged", &SharedState::amountChanged},
});

// The run's own numbers, read through it.
const auto runFields = std::to_array<std::pair<std::string_view, int (*)(const kinetics::core::Run &)>>({
    {"tickCount", [](const kinetics::core::Run &r) { return r.tickCount(); }},
    {"countA", [](const kinetics::core::Run &r) { return r.counts().a; }},
    {"countB", [](const kinetics::core::Run &r) { return r.counts().b; }},
    {"countC", [](const kinetics::core::Run &r) { return r.counts().c; }},
    {"countD", [](const kinetics::core::Run &r) { return r.counts().d; }},
});

} // namespace

std::optional<SharedValue> sharedValue(std::string_view name)
{
    if (name == "modelCode")
        return SharedValue(static_cast<double>(kinetics::core::toInt(shared().modelCode)));
    for (const auto &[n, read] : runFields)
        if (n == name)
            return SharedValue(static_cast<double>(read(shared().run)));
    for (const auto &[n, field] : numberFields)
        if (n == name)
            return SharedValue(static_cast<double>(shared().*field));
    for (const auto &[n, field] : realFields)
        if (n == name)
            return SharedValue(shared().*field);
    for (const auto &[n, field] : flagFields)
        if (n == name)
            return SharedValue(shared().*field);
    return std::nullopt;
}

} // namespace shell::core
