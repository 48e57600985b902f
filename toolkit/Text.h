// Numbers as the windows show them.
#pragma once

#include "toolkit/core/Format.h"

#include <QString>

namespace toolkit {

// A number through a format pattern ("0.00", "0.00E+00", ...), as a caption.
inline QString Format(double value, std::string_view pattern)
{
    return QString::fromStdString(core::Format(value, pattern));
}

} // namespace toolkit
