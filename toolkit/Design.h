// A control's designed values in one call: its place in twips, its caption,
// its font and, for a scroll bar, its range, so that a window's constructor
// reads like the description of its form.
#pragma once

#include "toolkit/Controls.h"

namespace toolkit {

// A designed place: left, top, width and height in twips of the client area.
struct Twips
{
    double left = 0, top = 0, width = 0, height = 0;
};

struct Font
{
    QString name;
    double size = fonts::defaultPointSize;
    bool bold = false;
    bool italic = false;
};

// A scroll bar's designed range, steps and value.
struct Range
{
    int min = 0;
    int max = 32767;
    int smallChange = 1;
    int largeChange = 1;
    int value = 0;
};

// A caption and a font, for a control that its window places at load.
template <class Control>
Control &design(Control &control, const QString &caption, const Font &font)
{
    if constexpr (requires { control.setCaption(caption); })
        control.setCaption(caption);
    else
        control.setText(caption);
    control.setFont(font.name, font.size, font.bold, font.italic);
    return control;
}

template <class Control>
Control &design(Control &control, const Twips &place, const QString &caption, const Font &font)
{
    control.setTwips(place.left, place.top, place.width, place.height);
    return design(control, caption, font);
}

template <class Control>
Control &design(Control &control, const Twips &place)
{
    control.setTwips(place.left, place.top, place.width, place.height);
    return control;
}

template <class Control>
Control &design(Control &control, const Twips &place, const Font &font)
{
    control.setTwips(place.left, place.top, place.width, place.height);
    control.setFont(font.name, font.size, font.bold, font.italic);
    return control;
}

inline ScrollBar &design(ScrollBar &bar, const Range &range)
{
    bar.setMin(range.min);
    bar.setMax(range.max);
    bar.setSmallChange(range.smallChange);
    bar.setLargeChange(range.largeChange);
    bar.setValue(range.value);
    return bar;
}

inline ScrollBar &design(ScrollBar &bar, const Twips &place, const Range &range)
{
    bar.setTwips(place.left, place.top, place.width, place.height);
    return design(bar, range);
}

} // namespace toolkit
