// The second wizard page: are the steps reversible?
#pragma once

#include "toolkit/Toolkit.h"

class amfinaioxi final : public toolkit::Form
{
    Q_OBJECT
public:
    amfinaioxi();
    void load() override;

    toolkit::OptionButton reversibleyes{this, QStringLiteral("reversibleyes")};
    toolkit::OptionButton reversibleno{this, QStringLiteral("reversibleno")};
    toolkit::CommandButton Command2{this, QStringLiteral("Command2")};
    toolkit::CommandButton Command3{this, QStringLiteral("Command3")};
    toolkit::CommandButton Command4{this, QStringLiteral("Command4")};

private:
    void next();
};
