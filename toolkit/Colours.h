// A core's plain colour as the windows draw it.
#pragma once

#include "toolkit/core/Colour.h"

#include <QColor>

namespace toolkit {

inline QColor qColor(core::Rgb c) { return QColor(c.r, c.g, c.b); }

} // namespace toolkit
