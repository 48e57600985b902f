// Which language the desktop asks for, from its locale variables.
#pragma once

#include <string>
#include <string_view>

namespace toolkit::core {

// The languages the program speaks, by their ISO 639-1 codes.
inline constexpr std::string_view english = "en";
inline constexpr std::string_view greek = "el";

// The program's language for a desktop whose variables hold these values
// (empty when unset), as gettext reads them: LANGUAGE, a colon-separated list
// in order of preference, counts unless the locale is "C" or "POSIX"; the
// locale is the first set of LC_ALL, LC_MESSAGES and LANG. The first entry the
// program speaks wins ("el_GR.UTF-8" is Greek); English otherwise.
std::string_view desktopLanguage(std::string_view language, std::string_view lcAll, std::string_view lcMessages,
                                 std::string_view lang);

} // namespace toolkit::core
