#include "shell/SharedValues.h"

#include "lesson/Model.h"

#include <array>
#include <functional>
#include <utility>

namespace shell {

namespace {

using kinetics::core::RunRates;

template <typename From>
using Reader = std::pair<std::string_view, std::function<SharedValue(const From &)>>;

SharedValue number(double v) { return SharedValue(v); }

// The rates of a run or of the next one, by their shared names.
const auto rateReaders = std::to_array<Reader<RunRates>>({
    {"rateK1", [](const RunRates &r) { return number(r.steps.k1); }},
    {"rateK1Reverse", [](const RunRates &r) { return number(r.steps.k1Reverse); }},
    {"rateK2", [](const RunRates &r) { return number(r.steps.k2); }},
    {"rateK2Reverse", [](const RunRates &r) { return number(r.steps.k2Reverse); }},
    {"rateK3", [](const RunRates &r) { return number(r.steps.k3); }},
    {"rateK4", [](const RunRates &r) { return number(r.k4); }},
    {"rateK5", [](const RunRates &r) { return number(r.k5); }},
});

const auto sharedReaders = std::to_array<Reader<lesson::core::Lesson>>({
    {"modelCode", [](const lesson::core::Lesson &s) { return number(kinetics::core::toInt(s.inputs().process)); }},
    {"runCount", [](const lesson::core::Lesson &s) { return number(s.runCount()); }},
    {"derivedGraphCount", [](const lesson::core::Lesson &s) { return number(s.derivedGraphCount()); }},
    {"chemistryChosen", [](const lesson::core::Lesson &s) { return SharedValue(s.inputs().chemistryChosen); }},
    {"reactionRun", [](const lesson::core::Lesson &s) { return SharedValue(kinetics::core::isChemistry(s.inputs().process)); }},
    {"temperatureC", [](const lesson::core::Lesson &s) { return number(s.inputs().temperatureC); }},
    {"runDuration", [](const lesson::core::Lesson &s) { return number(s.inputs().duration); }},
    {"initialAmount", [](const lesson::core::Lesson &s) { return number(s.inputs().amount); }},
    {"concentrationAxisTop",
     [](const lesson::core::Lesson &s) { return number(kinetics::core::concentrationAxisTop(s.inputs().amount)); }},
    // The next run's amount is not the last run's: its graphs start afresh.
    {"amountChanged", [](const lesson::core::Lesson &s) { return SharedValue(s.inputs().amount != s.run().setup().amount); }},
    {"tickCount", [](const lesson::core::Lesson &s) { return number(s.run().tickCount()); }},
    {"countA", [](const lesson::core::Lesson &s) { return number(s.run().counts().a); }},
    {"countB", [](const lesson::core::Lesson &s) { return number(s.run().counts().b); }},
    {"countC", [](const lesson::core::Lesson &s) { return number(s.run().counts().c); }},
    {"countD", [](const lesson::core::Lesson &s) { return number(s.run().counts().d); }},
});

const auto runReaders = std::to_array<Reader<kinetics::core::Run>>({
    {"modelCode", [](const kinetics::core::Run &r) { return number(kinetics::core::toInt(r.setup().process)); }},
    {"amount", [](const kinetics::core::Run &r) { return number(r.setup().amount); }},
    {"spots", [](const kinetics::core::Run &r) { return number(r.setup().spots); }},
    {"duration", [](const kinetics::core::Run &r) { return number(r.setup().duration); }},
    {"interval", [](const kinetics::core::Run &r) { return number(r.setup().interval); }},
    {"temperatureC", [](const kinetics::core::Run &r) { return number(r.setup().temperatureC); }},
    {"kinds", [](const kinetics::core::Run &r) { return number(r.setup().kinds()); }},
    {"running", [](const kinetics::core::Run &r) { return SharedValue(r.running()); }},
});

template <typename From, std::size_t N>
std::optional<SharedValue> find(const std::array<Reader<From>, N> &readers, std::string_view name, const From &from)
{
    for (const auto &[n, read] : readers)
        if (n == name)
            return read(from);
    return std::nullopt;
}

} // namespace

std::optional<SharedValue> sharedValue(std::string_view name)
{
    const auto &s = lesson::model();
    if (auto v = find(rateReaders, name, lesson::core::choiceOf(s.inputs()).rates))
        return v;
    return find(sharedReaders, name, s);
}

std::optional<SharedValue> runValue(std::string_view name)
{
    const auto &run = lesson::model().run();
    if (auto v = find(rateReaders, name, run.setup().rates))
        return v;
    return find(runReaders, name, run);
}

} // namespace shell
