#include "shell/Windows.h"

#include "shell/eisagogi.h"
#include "shell/eisodos.h"
#include "toolkit/Registry.h"

#include <functional>
#include <utility>
#include <vector>

namespace shell {

namespace {

template <typename T>
std::pair<QString, std::function<toolkit::Form *()>> entry(const char *name)
{
    return {QString::fromLatin1(name), [] { return static_cast<toolkit::Form *>(&toolkit::form<T>()); }};
}

const std::vector<std::pair<QString, std::function<toolkit::Form *()>>> &table()
{
    static const std::vector<std::pair<QString, std::function<toolkit::Form *()>>> all = {
        entry<eisodos>("eisodos"),
        entry<eisagogi>("eisagogi"),
    };
    return all;
}

} // namespace

toolkit::Form *formByName(const QString &name)
{
    for (const auto &[n, touch] : table())
        if (n == name)
            return touch();
    return nullptr;
}

QStringList windowNames()
{
    QStringList names;
    for (const auto &item : table())
        names << item.first;
    return names;
}

} // namespace shell
