// The fonts the windows were designed with, by their classic names; fontFamily
// maps each to an installed font that covers Greek.
#pragma once

#include <QString>

namespace toolkit::fonts {

inline const QString serifGreek = QStringLiteral("Times New Roman Greek");
inline const QString serif = QStringLiteral("Times New Roman");
inline const QString sans = QStringLiteral("Arial");
inline const QString narrow = QStringLiteral("Arial Narrow");
inline const QString symbol = QStringLiteral("Symbol");
// What a form or control shows before any font is chosen, and at what size.
inline const QString defaultSans = QStringLiteral("MS Sans Serif");
inline constexpr double defaultPointSize = 8.25;

} // namespace toolkit::fonts
