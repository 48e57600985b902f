// The lesson: what the student has chosen and set for the next run, the run
// that follows from it, the run in progress or last run, and the counters of
// the chapter. The windows tell it each choice and each bar's value and learn
// of changes through its observer; the plan of the next run is a function of
// those inputs alone, recomputed whenever one of them changes.
#pragma once

#include "acids/core/Equilibrium.h"
#include "kinetics/core/Process.h"
#include "kinetics/core/Run.h"
#include "kinetics/core/RunSetup.h"

#include <array>
#include <functional>
#include <optional>

namespace lesson::core {

// The choices of the wizard's pages, as their option buttons hold them.
struct WizardChoices
{
    bool oneStep = true;       // " 1 step" chosen; with neither option, two steps
    bool nonReversible = true; // "Non reversible" chosen; with neither option, reversible
    int decaySteps = 2;        // the decay model's steps, 1 to 3
    bool twoSteps() const { return !oneStep; }
    bool reversible() const { return !nonReversible; }
    friend bool operator==(const WizardChoices &, const WizardChoices &) = default;
};

// Every input that shapes the next run, at the values the windows' bars and
// options are designed with.
struct Inputs
{
    kinetics::core::ModelCode process = kinetics::core::ModelCode::Reaction;
    // "Chemical Reactions" rather than "Radioactive Decays" was chosen.
    bool chemistryChosen = false;
    WizardChoices choices;
    // The reaction's rate bars: A -> B, B -> A, B -> C, C -> B.
    std::array<int, 4> reactionBars{50, 25, 0, 0};
    // The acids' examples window sent on the plain reaction: its first step
    // goes at one half, whatever the temperature, until its bar moves.
    bool firstStepHalf = false;
    // The decay rates window's half-life bars: blue, green, red.
    std::array<int, 3> halfLifeBars{1000, 100, 200};
    int amount = 20;
    int duration = 100;
    int temperatureC = 0;
    friend bool operator==(const Inputs &, const Inputs &) = default;
};

// The constants k1..k4 of the decay series the inputs describe.
std::array<double, 4> seriesConstantsOf(const Inputs &in);
// An acid's equilibrium at the inputs' concentration and temperature.
acids::core::Percentages percentagesOf(const Inputs &in);
// The next run's per-event probabilities: a reaction's from its bars at the
// temperature, an acid's from its equilibrium, a series' from its
// half-lives, the worked series' from the worked half-lives.
kinetics::core::RunRates ratesOf(const Inputs &in);
kinetics::core::RunChoice choiceOf(const Inputs &in);
// The plan: the run the next Start makes.
kinetics::core::RunSetup planOf(const Inputs &in);
// The values the reaction's four rate bars show for a process that sets
// them: an acid's rounded percentages, a series' constants as whole
// hundredths with no reverse steps; none for a reaction or the worked series.
std::optional<std::array<int, 4>> parameterBarsOf(const Inputs &in);

// Two runs are the same process: the same code, steps and reversibility.
bool sameProcess(const kinetics::core::RunSetup &a, const kinetics::core::RunSetup &b);
// A graph framed for the next run keeps an earlier one: not erased, the same
// process and the same amount.
bool keeps(const kinetics::core::RunSetup &kept, const kinetics::core::RunSetup &next, bool erase);

class Lesson
{
public:
    // What a change is told to: the windows' announcer.
    struct Observer
    {
        virtual ~Observer() = default;
        virtual void changed() = 0; // an input, and so maybe the plan
        virtual void runEnded() = 0;
    };
    void setObserver(Observer *observer) { m_observer = observer; }

    const Inputs &inputs() const { return m_inputs; }
    kinetics::core::RunSetup plan() const { return planOf(m_inputs); }

    // The chapter chosen: its counters start again and a run ends.
    void chooseChapter(bool chemistry);
    void chooseProcess(kinetics::core::ModelCode code);
    void setOneStep(bool on);
    void setNonReversible(bool on);
    void setDecaySteps(int steps);
    void setReactionBar(int step, int value);
    void setFirstStepHalf(bool on);
    void setHalfLifeBar(int colour, int value);
    void setAmount(int value);
    void setDuration(int value);
    void setTemperature(int value);

    const kinetics::core::Run &run() const { return m_run; }
    bool running() const { return m_run.running(); }
    // A run can be repeated once it has ended.
    bool repeatable() const { return m_run.started() && !running(); }
    // The block of a setup is laid out afresh: `place` sets out the cells and
    // the counts are all A. A run in progress ends, and what is described
    // from now on is the plan.
    void layOut(const kinetics::core::RunSetup &setup, const std::function<void(kinetics::core::Grid &)> &place);
    // The plan, frozen: the run starts with it and is returned.
    kinetics::core::RunSetup start();
    void tick(toolkit::core::Random &rng, kinetics::core::RunView &view);
    // A run in progress ends here; it can then be repeated, kept or replayed.
    void endRun();

    // What the graphs and the run control describe: the run from its Start
    // until a block is laid out for the next one, the plan otherwise.
    bool describesRun() const;
    kinetics::core::RunSetup described() const;
    // The graph framed for the next run keeps the last run.
    bool keepsLastRun(const kinetics::core::RunSetup &next, bool erase) const;
    // What a graph framed for the next run does with what it shows: cleared
    // unless it keeps the last run, which is drawn again (with its smooth
    // curves) when the graph is reframed, or at every Next (`replayAlways`).
    struct Framing
    {
        bool clear = true;
        bool replay = false;
        friend bool operator==(const Framing &, const Framing &) = default;
    };
    Framing framingFor(const kinetics::core::RunSetup &next, bool erase, bool reframed, bool replayAlways) const;

    int runCount() const { return m_runCount; }
    int derivedGraphCount() const { return m_derivedGraphCount; }
    void countDerivedGraph() { ++m_derivedGraphCount; }
    void resetCounters();

    // Everything back to a fresh program's; the observer stays.
    void reset();

private:
    template <class Change>
    void edit(Change change);

    Inputs m_inputs;
    kinetics::core::Run m_run;
    int m_runCount = 0;          // runs started since the last chapter choice
    int m_derivedGraphCount = 0; // smooth or rate graphs drawn since then
    bool m_laidOut = false;      // a block was laid out since the last Start
    Observer *m_observer = nullptr;
};

} // namespace lesson::core
