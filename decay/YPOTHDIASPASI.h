// The decay model window: the number of steps of the series and the duration
// of the run, with the diagram of the kinds A -> B -> C -> D.
#pragma once

#include "toolkit/Toolkit.h"

class YPOTHDIASPASI final : public toolkit::Form
{
    Q_OBJECT
public:
    YPOTHDIASPASI();
    void load() override;

    toolkit::Label Label2{this, QStringLiteral("Label2")};
    toolkit::Label step1{this, QStringLiteral("step1")};
    toolkit::Label step2{this, QStringLiteral("step2")};
    toolkit::Label step3{this, QStringLiteral("step3")};
    toolkit::OptionButton Option1{this, QStringLiteral("Option1")};
    toolkit::OptionButton Option2{this, QStringLiteral("Option2")};
    toolkit::OptionButton Option3{this, QStringLiteral("Option3")};
    toolkit::ControlArray<toolkit::PictureBox> Picture2{this, QStringLiteral("Picture2"), 3};
    toolkit::Shape Shape1{this, QStringLiteral("Shape1")};
    toolkit::Shape Shape2{this, QStringLiteral("Shape2")};
    toolkit::Shape Shape3{this, QStringLiteral("Shape3")};
    toolkit::Shape Shape4{this, QStringLiteral("Shape4")};
    toolkit::ControlArray<toolkit::Label> Label5{this, QStringLiteral("Label5"), 4};
    toolkit::ScrollBar xronosolos{Qt::Horizontal, this, QStringLiteral("xronosolos")};
    toolkit::Label Label4{this, QStringLiteral("Label4")};
    toolkit::CommandButton mpros{this, QStringLiteral("mpros")};
    toolkit::CommandButton mprosta{this, QStringLiteral("mprosta")};
    toolkit::CommandButton Command1{this, QStringLiteral("Command1")};

    // The start-up layout of the diagram, in the window's scale; selects two
    // steps.
    void layOutDiagram();
    // The number of steps the option buttons choose: 1, 2 or 3.
    int steps() const;
    // Shows and hides the circles, letters and arrows of a series of that
    // many steps.
    void showSteps(int steps);
    // The exact curves of the series on the rates window, on the graphs
    // window; its constants become the next run's rates.
    void drawExactSeries();

private:
    void xronosolosChange();
    void next();
};
