// The carbonic acid example, first page: a picture of the two dissociation
// steps and the way on to the concentration and temperature.
#pragma once

#include "toolkit/Toolkit.h"

class CARBONIC final : public toolkit::Form
{
    Q_OBJECT
public:
    CARBONIC();
    void load() override;

    toolkit::PictureBox Picture1{this, QStringLiteral("Picture1")};
    toolkit::CommandButton Command1{this, QStringLiteral("Command1")};
    toolkit::CommandButton Command2{this, QStringLiteral("Command2")};
    toolkit::CommandButton Command3{this, QStringLiteral("Command3")};
};
