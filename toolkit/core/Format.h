// Number formatting by pattern, as the labels of every window use it.
#pragma once

#include <string>
#include <string_view>

namespace toolkit::core {

// Formats value by a pattern made of digit placeholders ('0' forces a digit,
// '#' shows one only when needed), an optional decimal point, an optional
// exponent part ("E+", "E-", "e+", "e-" followed by placeholders) and literal
// text around them. Up to three sections separated by ';' serve positive,
// negative and zero values. Rounding is half away from zero on the value's
// 15-digit decimal form, so Format(2.675, "0.00") is "2.68".
std::string Format(double value, std::string_view pattern);

} // namespace toolkit::core
