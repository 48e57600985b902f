#include "toolkit/core/Language.h"

namespace toolkit::core {

namespace {

// The language one locale name or list entry names ("el", "el_GR.UTF-8",
// "en@quot"), or empty when the program does not speak it.
std::string_view spoken(std::string_view name)
{
    const std::string_view code = name.substr(0, name.find_first_of("_.@"));
    if (code == greek)
        return greek;
    if (code == english)
        return english;
    return {};
}

} // namespace

std::string_view desktopLanguage(std::string_view language, std::string_view lcAll, std::string_view lcMessages,
                                 std::string_view lang)
{
    std::string_view locale = !lcAll.empty() ? lcAll : !lcMessages.empty() ? lcMessages : lang;
    const bool plain = locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.");
    if (!plain) {
        while (!language.empty()) {
            const std::size_t colon = language.find(':');
            if (const std::string_view chosen = spoken(language.substr(0, colon)); !chosen.empty())
                return chosen;
            language = colon == std::string_view::npos ? std::string_view() : language.substr(colon + 1);
        }
    }
    const std::string_view chosen = spoken(locale);
    return chosen.empty() ? english : chosen;
}

} // namespace toolkit::core
