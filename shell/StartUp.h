// The start routine and the full-screen placement of the windows.
#pragma once

namespace toolkit {
class Form;
}

namespace shell {

// Width, height, top and left of a window that covers the whole screen, in twips.
struct ScreenRect
{
    float width;
    float height;
    float top;
    float left;
};

ScreenRect fullScreenRect(const toolkit::Form &window);
// Applies the full-screen placement: left, then top, then width, then height.
void placeFullScreen(toolkit::Form &window);

// Fills the shared state, creates the chapter windows hidden, places them and
// shows the title window. Runs once, before anything is visible.
void startRoutine();

} // namespace shell
