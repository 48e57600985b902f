#include "graphs/core/KeptRuns.h"

#include <numeric>

namespace graphs::core {

std::size_t oldestRunsToDrop(const std::vector<std::size_t> &samples, std::size_t limit)
{
    std::size_t held = std::accumulate(samples.begin(), samples.end(), std::size_t(0));
    std::size_t dropped = 0;
    while (held > limit && dropped + 1 < samples.size())
        held -= samples[dropped++];
    return dropped;
}

} // namespace graphs::core
