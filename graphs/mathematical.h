// The rates window: how fast each kind changes during the run.
#pragma once

#include "toolkit/Toolkit.h"

class mathematical final : public toolkit::Form
{
    Q_OBJECT
public:
    mathematical();
    void load() override;

    toolkit::CommandButton grafvcshos{this, QStringLiteral("grafvcshos")};
};
