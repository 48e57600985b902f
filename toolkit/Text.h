// Numbers as the windows show them, and text a message quotes.
#pragma once

#include "toolkit/Language.h"
#include "toolkit/core/Format.h"

#include <QString>

namespace toolkit {

// A number through a format pattern ("0.00", "0.00E+00", ...), as a caption
// in the language in use.
inline QString Format(double value, std::string_view pattern)
{
    return forPerson(QString::fromStdString(core::Format(value, pattern)));
}

// The text with every character that is not printable written as an escape:
// \x00 .. \x1f, \x7f .. \x9f, and \uXXXX or \UXXXXXXXX beyond Latin-1, so that a
// message that quotes it is one line of visible text.
QString printable(const QString &text);

// Some of a user's or a script's text in a message: at most `most`
// characters of it, then "...", with anything unprintable escaped.
QString quoted(const QString &text, qsizetype most = 80);

} // namespace toolkit
