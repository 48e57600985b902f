// The shared values a script reads by name ("shared.rateK1", "run.spots"):
// the next run's process, rates and quantities, the chapter's counters, and
// the setup and counts of the run that runs or ran last.
#pragma once

#include <optional>
#include <string_view>
#include <variant>

namespace shell {

using SharedValue = std::variant<double, bool>;

// "shared." names: modelCode, rateK1..rateK5, rateK1Reverse, rateK2Reverse
// (the next run's), temperatureC, runDuration, initialAmount,
// concentrationAxisTop, amountChanged, reactionRun, chemistryChosen,
// runCount, derivedGraphCount, and the run's tickCount and countA..countD.
std::optional<SharedValue> sharedValue(std::string_view name);
// "run." names, from the setup of the last run: modelCode, rateK1 ..
// rateK5, rateK1Reverse, rateK2Reverse, amount, spots, duration, interval,
// temperatureC, kinds, running.
std::optional<SharedValue> runValue(std::string_view name);

} // namespace shell
