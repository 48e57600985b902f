#include "shell/StartUp.h"

#include "shell/eisagogi.h"
#include "shell/eisodos.h"
#include "shell/core/SharedState.h"
#include "toolkit/Toolkit.h"

using namespace toolkit;
using shell::core::shared;

namespace shell {

ScreenRect fullScreenRect(const Form &)
{
    return ScreenRect{static_cast<float>(screenWidth()), static_cast<float>(screenHeight()), 0.0f, 0.0f};
}

void placeFullScreen(Form &window)
{
    const ScreenRect r = fullScreenRect(window);
    window.setLeft(r.left);
    window.setTop(r.top);
    window.setWidthTwips(r.width);
    window.setHeightTwips(r.height);
}

void startRoutine()
{
    auto &s = shared();
    s.runCount = 0;
    s.derivedGraphCount = 0;
    s.temperatureC = 25;
    s.runDuration = 250;

    // Creating each window runs its load handler; the order decides which
    // values win.
    placeFullScreen(form<eisagogi>());

    auto &title = form<eisodos>();
    title.setTop(0);
    title.setLeft(0);
    title.show();

    s.runDuration = 250;
}

} // namespace shell
