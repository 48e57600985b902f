// What assistive technology is told of the program's own widgets: a window
// as a window (a frame), a scroll bar with the value its row shows, a command
// button as a push button also while it stays pressed in, option buttons and
// check boxes as Qt has them, and each of their places in the screen's device
// pixels, where a magnifier looks.
#pragma once

class QRect;
class QWidget;

namespace toolkit {

// Makes assistive technology use the interfaces above; once is enough.
void installAccessibility();

// A widget's rectangle on the screen in device pixels. Qt 6.4 hands
// assistive technology its logical pixels, which on a scaled screen are a
// fraction of where the widget is.
QRect deviceScreenRect(const QWidget &widget);

} // namespace toolkit
