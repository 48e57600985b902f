// What every run shares whatever the subject: the process being simulated,
// the pace of the run control, the axis top, the spot target and the rate a
// bar stands for. Windows of every chapter call these instead of retyping them.
#pragma once

namespace kinetics::core {

// The process being simulated; the numbers are those the program has always
// used for it (the driver prints them).
enum class ModelCode : int {
    DecaySeries = -2,  // the student's decay series
    DecayExample = -1, // the worked polonium series
    Reaction = 0,
    Carbonic = 1,
    Arsenic = 2,
    Phosphoric = 3,
    Pyrophosphoric = 4,
};

constexpr int toInt(ModelCode m) { return static_cast<int>(m); }
constexpr bool isDecay(ModelCode m) { return toInt(m) < 0; }
constexpr bool isAcid(ModelCode m) { return toInt(m) >= 1 && toInt(m) <= 4; }
// Reactions and acids run on the same chemistry: the reverse steps, the
// temperature and the mol/L axis.
constexpr bool isChemistry(ModelCode m) { return !isDecay(m); }

inline constexpr int latticeSide = 25;      // sites along each side of the lattice
inline constexpr int eventsPerTick = 625;   // elementary events in one tick of the run control
inline constexpr int sampleStride = 8;      // a sample of the counts every 8th event
inline constexpr double kelvinOffset = 273; // added to degrees Celsius
constexpr double toKelvin(double celsius) { return celsius + kelvinOffset; }
inline constexpr int decayTickInterval = 2; // ms: a decay does not depend on the temperature

// Samples recorded in one tick: events 0, 8, ..., 624.
inline constexpr int samplesPerTick = (eventsPerTick + sampleStride - 1) / sampleStride;

// The run control's interval for chemistry, in ms: CInt(Sqr(401 - t)), 26 at
// -250 degrees, 19 at 25, 1 at 400. The lattice window's idle timer follows it too.
int chemistryTickInterval(double temperatureC);

// The run control's interval for a process: the chemistry interval, or 2 ms
// for decays.
int tickInterval(ModelCode model, double temperatureC);

// The whole part of Sqr(401 - t), the interval the carbonic acid page gives
// the run control, and the acid examples the lattice window's idle timer:
// 19 at 10 degrees where the run's own interval is 20.
int wholeTickInterval(double temperatureC);

// Every axis of the program reaches a fifth above the largest value it
// shows: the amounts, the rates, the bars.
inline constexpr double axisHeadroom = 1.2;
constexpr double axisTop(double largest) { return axisHeadroom * largest; }

// Top of the graphs' value axis: 1.2 x amount / 100 (the amount is in
// hundredths of mol/L, or a percentage of the sites for decays).
double concentrationAxisTop(double initialAmount);

// Rate constant, and per-event probability, that a rate bar's value stands
// for at a temperature factor: value x factor / 100.
double rateFromBar(double value, double factor);

// The per-event probabilities of the lattice's steps: A -> B, B -> A,
// B -> C, C -> B and (decays only) C -> D. 0 switches a step off.
struct StepProbabilities
{
    double k1 = 0, k1Reverse = 0, k2 = 0, k2Reverse = 0, k3 = 0;
    // No step can happen: a run of them changes nothing, by chance or not.
    bool none() const { return k1 == 0 && k1Reverse == 0 && k2 == 0 && k2Reverse == 0 && k3 == 0; }
    friend bool operator==(const StepProbabilities &, const StepProbabilities &) = default;
};

// Every rate of a run: the lattice's steps, and the two further decays of a
// series (D -> E, E -> F) that only the smooth curves follow.
struct RunRates
{
    StepProbabilities steps;
    double k4 = 0, k5 = 0;
    friend bool operator==(const RunRates &, const RunRates &) = default;
};

// The values of a reaction's four rate bars (0..100) and the wizard's choices.
struct ReactionChoice
{
    double abBar = 0, baBar = 0, bcBar = 0, cbBar = 0;
    bool reversible = false; // "Reversible" chosen
    bool oneStep = false;    // " 1 step" chosen: C -> B stays off even when reversible
};

// The probabilities a reaction runs with: each bar's rate at the factor; the
// reverse steps only when reversible, C -> B only with two steps.
StepProbabilities reactionProbabilities(const ReactionChoice &choice, double factor);

} // namespace kinetics::core
