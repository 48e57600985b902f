// The first wizard page: one step (A -> B) or two (A -> B -> C), or the acids.
#pragma once

#include "toolkit/Toolkit.h"

class neaepilogi final : public toolkit::Form
{
    Q_OBJECT
public:
    neaepilogi();
    void load() override;

    toolkit::OptionButton Option1{this, QStringLiteral("Option1")};
    toolkit::OptionButton Option2{this, QStringLiteral("Option2")};
    toolkit::Shape Shape1{this, QStringLiteral("Shape1")};
    toolkit::Shape Shape2{this, QStringLiteral("Shape2")};
    toolkit::Shape Shape3{this, QStringLiteral("Shape3")};
    toolkit::ControlArray<toolkit::PictureBox> Picture2{this, QStringLiteral("Picture2"), 2};
    toolkit::Label etiketa1{this, QStringLiteral("etiketa1")};
    toolkit::Label etiketa2{this, QStringLiteral("etiketa2")};
    toolkit::CommandButton Command3{this, QStringLiteral("Command3")};
    toolkit::CommandButton Command2{this, QStringLiteral("Command2")};
    toolkit::CommandButton Command4{this, QStringLiteral("Command4")};
    toolkit::CommandButton ACIDS{this, QStringLiteral("ACIDS")};

private:
    // The diagram's second step (its arrow, C and the letter) shown or not.
    void showSecondStep(bool shown);
};
