#include "lesson/core/Lesson.h"

#include "decay/core/DecayConstants.h"
#include "decay/core/DecaySteps.h"
#include "kinetics/core/TemperatureFactor.h"
#include "toolkit/core/Numeric.h"

#include <algorithm>

namespace lesson::core {

using kinetics::core::ModelCode;
using kinetics::core::RunSetup;

std::array<double, 4> seriesConstantsOf(const Inputs &in)
{
    using decay::core::halfLifeFromBar;
    return decay::core::seriesConstants(in.choices.decaySteps, halfLifeFromBar(in.halfLifeBars[0]),
                                        halfLifeFromBar(in.halfLifeBars[1]), halfLifeFromBar(in.halfLifeBars[2]));
}

acids::core::Percentages percentagesOf(const Inputs &in)
{
    return acids::core::equilibriumPercentages(float(in.amount / 100.0), in.process, in.temperatureC);
}

kinetics::core::RunRates ratesOf(const Inputs &in)
{
    kinetics::core::RunRates rates;
    switch (in.process) {
    case ModelCode::Reaction: {
        kinetics::core::ReactionChoice choice;
        choice.abBar = in.reactionBars[0];
        choice.baBar = in.reactionBars[1];
        choice.bcBar = in.reactionBars[2];
        choice.cbBar = in.reactionBars[3];
        choice.reversible = in.choices.reversible();
        choice.oneStep = in.choices.oneStep;
        rates.steps = kinetics::core::reactionProbabilities(
            choice, kinetics::core::temperatureFactor(ModelCode::Reaction, in.temperatureC));
        if (in.firstStepHalf)
            rates.steps.k1 = 0.5;
        break;
    }
    case ModelCode::DecaySeries:
        rates = decay::core::seriesRates(seriesConstantsOf(in));
        break;
    case ModelCode::DecayExample: {
        const auto &t = decay::core::workedHalfLives;
        rates = decay::core::seriesRates(decay::core::seriesConstants(3, t[0], t[1], t[2]));
        break;
    }
    default:
        rates.steps = acids::core::acidRates(percentagesOf(in),
                                             kinetics::core::temperatureFactor(in.process, in.temperatureC));
        break;
    }
    return rates;
}

kinetics::core::RunChoice choiceOf(const Inputs &in)
{
    kinetics::core::RunChoice c;
    c.process = in.process;
    c.twoSteps = in.choices.twoSteps();
    c.reversible = in.choices.reversible();
    c.decaySteps = in.choices.decaySteps;
    c.rates = ratesOf(in);
    c.amount = in.amount;
    c.duration = in.duration;
    c.temperatureC = in.temperatureC;
    return c;
}

RunSetup planOf(const Inputs &in) { return kinetics::core::setupFor(choiceOf(in)); }

std::optional<std::array<int, 4>> parameterBarsOf(const Inputs &in)
{
    using toolkit::core::CInt;
    if (kinetics::core::isAcid(in.process)) {
        const auto p = percentagesOf(in);
        return std::array<int, 4>{CInt(p.p1), CInt(p.p2), CInt(p.p3), CInt(p.p4)};
    }
    if (in.process == ModelCode::DecaySeries) {
        const auto k = seriesConstantsOf(in);
        const auto hundredths = [](double x) { return 100 * int(toolkit::core::Int(x)); };
        return std::array<int, 4>{hundredths(k[0]), 0, hundredths(k[1]), 0};
    }
    return std::nullopt;
}

bool sameProcess(const RunSetup &a, const RunSetup &b)
{
    return a.process == b.process && a.steps == b.steps && a.reversible == b.reversible;
}

bool keeps(const RunSetup &kept, const RunSetup &next, bool erase)
{
    return !erase && sameProcess(kept, next) && kept.amount == next.amount;
}

template <class Change>
void Lesson::edit(Change change)
{
    const Inputs before = m_inputs;
    change(m_inputs);
    if (m_inputs == before)
        return;
    if (m_observer)
        m_observer->changed();
}

void Lesson::chooseChapter(bool chemistry)
{
    endRun();
    resetCounters();
    edit([&](Inputs &in) { in.chemistryChosen = chemistry; });
}

void Lesson::chooseProcess(ModelCode code)
{
    edit([&](Inputs &in) {
        if (in.process != code)
            in.firstStepHalf = false;
        in.process = code;
    });
}

void Lesson::setOneStep(bool on)
{
    edit([&](Inputs &in) { in.choices.oneStep = on; });
}

void Lesson::setNonReversible(bool on)
{
    edit([&](Inputs &in) { in.choices.nonReversible = on; });
}

void Lesson::setDecaySteps(int steps)
{
    edit([&](Inputs &in) { in.choices.decaySteps = std::clamp(steps, 1, 3); });
}

void Lesson::setReactionBar(int step, int value)
{
    if (step < 0 || step > 3)
        return;
    edit([&](Inputs &in) {
        if (step == 0 && in.reactionBars[0] != value)
            in.firstStepHalf = false;
        in.reactionBars[std::size_t(step)] = value;
    });
}

void Lesson::setFirstStepHalf(bool on)
{
    edit([&](Inputs &in) { in.firstStepHalf = on; });
}

void Lesson::setHalfLifeBar(int colour, int value)
{
    if (colour < 0 || colour > 2)
        return;
    edit([&](Inputs &in) { in.halfLifeBars[std::size_t(colour)] = value; });
}

void Lesson::setAmount(int value)
{
    edit([&](Inputs &in) { in.amount = value; });
}

void Lesson::setDuration(int value)
{
    edit([&](Inputs &in) { in.duration = value; });
}

void Lesson::setTemperature(int value)
{
    edit([&](Inputs &in) { in.temperatureC = value; });
}

void Lesson::layOut(const RunSetup &setup, const std::function<void(kinetics::core::Grid &)> &place)
{
    const bool wasRunning = running();
    place(m_run.cells());
    m_run.setCounts({setup.spots, 0, 0, 0});
    m_laidOut = true;
    if (wasRunning && m_observer)
        m_observer->runEnded();
}

RunSetup Lesson::start()
{
    const RunSetup setup = plan();
    m_run.start(setup);
    m_laidOut = false;
    m_runCount += 1;
    return setup;
}

void Lesson::tick(toolkit::core::Random &rng, kinetics::core::RunView &view)
{
    if (!running())
        return;
    m_run.tick(rng, view);
    if (!running() && m_observer)
        m_observer->runEnded();
}

void Lesson::endRun()
{
    if (!running())
        return;
    m_run.stop();
    if (m_observer)
        m_observer->runEnded();
}

bool Lesson::describesRun() const { return m_run.started() && !m_laidOut; }

RunSetup Lesson::described() const { return describesRun() ? m_run.setup() : plan(); }

bool Lesson::keepsLastRun(const RunSetup &next, bool erase) const
{
    return m_runCount > 0 && m_run.started() && keeps(m_run.setup(), next, erase);
}

Lesson::Framing Lesson::framingFor(const RunSetup &next, bool erase, bool reframed, bool replayAlways) const
{
    const bool keep = keepsLastRun(next, erase);
    return {!keep, keep && (replayAlways || reframed)};
}

void Lesson::resetCounters()
{
    m_runCount = 0;
    m_derivedGraphCount = 0;
}

void Lesson::reset()
{
    Observer *observer = m_observer;
    *this = Lesson{};
    m_observer = observer;
}

} // namespace lesson::core
