// The choices window: introduces the program and leads into a chapter.
#pragma once

#include "toolkit/Toolkit.h"

class eisagogi final : public toolkit::Form
{
    Q_OBJECT
public:
    eisagogi();
    void load() override;

    toolkit::ControlArray<toolkit::TextBox> Text1{this, QStringLiteral("Text1"), 4};
    toolkit::ControlArray<toolkit::CommandButton> ximia{this, QStringLiteral("ximia"), {0}};
    toolkit::ControlArray<toolkit::CommandButton> RADIO{this, QStringLiteral("RADIO"), {1}};
    toolkit::CommandButton Command2{this, QStringLiteral("Command2")};

private:
    void chemicalReactions();
    void radioactiveDecays();
};
