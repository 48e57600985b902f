// What a control shows of its own, for the tests that read the windows.
#pragma once

#include "toolkit/Toolkit.h"

namespace testing {

// A label's, a text box's or a button's caption; empty for a control that
// shows none.
inline QString captionOf(const toolkit::Control *control)
{
    using namespace toolkit;
    if (auto *c = qobject_cast<const Label *>(control))
        return c->caption();
    if (auto *c = qobject_cast<const TextBox *>(control))
        return c->text();
    if (auto *c = qobject_cast<const CommandButton *>(control))
        return c->caption();
    if (auto *c = qobject_cast<const OptionButton *>(control))
        return c->caption();
    if (auto *c = qobject_cast<const CheckBox *>(control))
        return c->caption();
    return {};
}

} // namespace testing
