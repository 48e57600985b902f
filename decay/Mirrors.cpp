#include "decay/Mirrors.h"

#include "shell/Windows.h"
#include "toolkit/Toolkit.h"

namespace decay {

void setAcidBar(const char *bar, int value)
{
    toolkit::Form *acids = shell::formByName(QStringLiteral("OXEA1"));
    if (!acids)
        return;
    if (auto *scroll = acids->findChild<toolkit::ScrollBar *>(QLatin1String(bar), Qt::FindDirectChildrenOnly))
        scroll->setValue(value);
}

} // namespace decay
