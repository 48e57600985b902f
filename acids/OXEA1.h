// The acid examples window: one of four diprotic acids, its concentration,
// the temperature and the duration, then a run of its two dissociation steps.
#pragma once

#include "toolkit/Toolkit.h"

class OXEA1 final : public toolkit::Form
{
    Q_OBJECT
public:
    OXEA1();
    void load() override;

    toolkit::CommandButton Command1{this, QStringLiteral("Command1")};
    toolkit::CommandButton Command2{this, QStringLiteral("Command2")};
    toolkit::CommandButton Command3{this, QStringLiteral("Command3")};
    toolkit::CommandButton Command4{this, QStringLiteral("Command4")};
    toolkit::CommandButton Command7{this, QStringLiteral("Command7")};
    toolkit::CommandButton Command5{this, QStringLiteral("Command5")};
    toolkit::CommandButton Command6{this, QStringLiteral("Command6")};
    toolkit::ScrollBar concentration{Qt::Vertical, this, QStringLiteral("concentration")};
    toolkit::Label syngentrono{this, QStringLiteral("syngentrono")};
    toolkit::Label Label3{this, QStringLiteral("Label3")};
    toolkit::ScrollBar xronosolos{Qt::Horizontal, this, QStringLiteral("xronosolos")};
    toolkit::Label Label4{this, QStringLiteral("Label4")};
    toolkit::ScrollBar tempotherm{Qt::Horizontal, this, QStringLiteral("tempotherm")};
    toolkit::Label Label5{this, QStringLiteral("Label5")};

private:
    void concentrationChange();
    void tempothermChange();
    void xronosolosChange();
    void next();
    void showConcentration();
    void showTemperature();
};
