// The decay rates window: number of atoms, the half-life of each decaying
// kind with its decay constant, and the temperature; "Next >" starts the run.
#pragma once

#include <array>

#include "toolkit/Toolkit.h"

class YPOTHDIASPASI1 final : public toolkit::Form
{
    Q_OBJECT
public:
    YPOTHDIASPASI1();
    void load() override;

    toolkit::Label Label1{this, QStringLiteral("Label1")};
    toolkit::ScrollBar arithatomon{Qt::Horizontal, this, QStringLiteral("arithatomon")};
    toolkit::Label Label8{this, QStringLiteral("Label8")};
    toolkit::ScrollBar blezoi{Qt::Horizontal, this, QStringLiteral("blezoi")};
    toolkit::ScrollBar prasinizoi{Qt::Horizontal, this, QStringLiteral("prasinizoi")};
    toolkit::ScrollBar kokinizoi{Qt::Horizontal, this, QStringLiteral("kokinizoi")};
    // Each colour's row: 0 the decay constant, 1 the "-1" of min^-1, 2 the
    // letter K and 3 the index of the constant.
    toolkit::ControlArray<toolkit::Label> etiketa1{this, QStringLiteral("etiketa1"), 4};
    toolkit::ControlArray<toolkit::Label> etiketa2{this, QStringLiteral("etiketa2"), 4};
    toolkit::ControlArray<toolkit::Label> etiketa3{this, QStringLiteral("etiketa3"), 4};
    toolkit::ScrollBar tempotherm{Qt::Horizontal, this, QStringLiteral("tempotherm")};
    toolkit::Label Label5{this, QStringLiteral("Label5")};
    toolkit::CommandButton piso{this, QStringLiteral("piso")};
    toolkit::CommandButton mprosta{this, QStringLiteral("mprosta")};
    toolkit::CommandButton Command1{this, QStringLiteral("Command1")};

    // The start-up layout of the rows, in the window's scale.
    void layOut();
    // The half-life bars take the worked series' half-lives.
    void showWorkedHalfLives();
    // The captions the model window gives this one when it loads: the worked
    // series' half-lives.
    void showModelCaptions();
    // Shown, the window offers the half-life rows of the steps the model
    // window chose.
    void setVisible(bool visible) override;
    // Corners of the outline that frames the three half-life rows.
    static constexpr double frameLeft = 20, frameTop = 174, frameRight = 140, frameBottom = 102;

private:
    // The green row with two steps or more, the red one with three.
    void showRows();
    // A half-life bar moved: 0 blue, 1 green, 2 red.
    void halfLifeChange(int colour);
    // The constant a half-life row shows for its bar at that position: blue
    // ln 2 to three places over the half-life, the others the constant.
    double shownConstant(int colour, int position) const;
    void arithatomonChange();
    void tempothermChange();
    void drawFrame();
    void next();
};
