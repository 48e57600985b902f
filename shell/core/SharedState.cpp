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

namespace {

template <typename T>
using Field = T SharedState::*;

const auto numberFields = std::to_array<std::pair<std::string_view, Field<int>>>({
    {"derivedGraphCount", &SharedState::derivedGraphCount},
    {"runCount", &SharedState::runCount},
    {"temperatureC", &SharedState::temperatureC},
    {"runDuration", &SharedState::runDuration},
    {"modelCode", &SharedState::modelCode},
    {"initialAmount", &SharedState::initialAmount},
    {"latticeSide", &SharedState::latticeSide},
    {"tickCount", &SharedState::tickCount},
    {"lowestIndex", &SharedState::lowestIndex},
    {"codeA", &SharedState::codeA},
    {"codeB", &SharedState::codeB},
    {"countA", &SharedState::countA},
    {"countB", &SharedState::countB},
    {"countC", &SharedState::countC},
    {"countD", &SharedState::countD},
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

} // namespace

std::optional<SharedValue> sharedValue(std::string_view name)
{
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
