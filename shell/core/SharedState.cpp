#include "shell/core/SharedState.h"

namespace shell::core {

SharedState &shared()
{
    static SharedState state;
    return state;
}

void resetShared() { shared() = SharedState{}; }

} // namespace shell::core
