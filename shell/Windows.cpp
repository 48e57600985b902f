#include "shell/Windows.h"

#include "acids/CARBONIC.h"
#include "acids/OXEA1.h"
#include "acids/carbonic2.h"
#include "acids/grafvxc.h"
#include "acids/phform.h"
#include "decay/GNOSTED.h"
#include "decay/YPOTHDIASPASI.h"
#include "decay/YPOTHDIASPASI1.h"
#include "graphs/apotelesmata.h"
#include "graphs/grafiki1.h"
#include "graphs/katanomi.h"
#include "graphs/mathematical.h"
#include "graphs/metriseis.h"
#include "graphs/ravdogram.h"
#include "kinetics/YPOTHETIKES.h"
#include "kinetics/antidrasi.h"
#include "shell/mathima.h"
#include "shell/Simiosi.h"
#include "shell/amfinaioxi.h"
#include "shell/eisagogi.h"
#include "shell/eisodos.h"
#include "shell/neaepilogi.h"
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
        entry<neaepilogi>("neaepilogi"),
        entry<amfinaioxi>("amfinaioxi"),
        entry<YPOTHETIKES>("YPOTHETIKES"),
        entry<YPOTHDIASPASI>("YPOTHDIASPASI"),
        entry<YPOTHDIASPASI1>("YPOTHDIASPASI1"),
        entry<GNOSTED>("GNOSTED"),
        entry<antidrasi>("antidrasi"),
        entry<apotelesmata>("apotelesmata"),
        entry<grafiki1>("grafiki1"),
        entry<ravdogram>("ravdogram"),
        entry<mathematical>("mathematical"),
        entry<katanomi>("katanomi"),
        entry<metriseis>("metriseis"),
        entry<mathima>("mathima"),
        entry<Simiosi>("Simiosi"),
        entry<OXEA1>("OXEA1"),
        entry<CARBONIC>("CARBONIC"),
        entry<carbonic2>("carbonic2"),
        entry<grafvxc>("grafvxc"),
        entry<phform>("phform"),
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
