// The bars window: the number of spots of each kind as four bars.
#pragma once

#include "kinetics/core/Lattice.h"
#include "toolkit/Toolkit.h"

class ravdogram final : public toolkit::Form
{
    Q_OBJECT
public:
    ravdogram();
    void load() override;

    toolkit::Shape Shape1{this, QStringLiteral("Shape1")};
    toolkit::Shape Shape2{this, QStringLiteral("Shape2")};
    toolkit::Shape Shape3{this, QStringLiteral("Shape3")};
    toolkit::Shape Shape4{this, QStringLiteral("Shape4")};

    // The scale for a run of total spots: y from 1.2 x total down to 0.
    void setTotal(double total);
    void resizeEvent(QResizeEvent *event) override;
    // The four bars from the counts, a count below 0 held at 0. Only a bar
    // whose height changed is moved: the run calls this after every one of
    // its 625 events a tick.
    void drawBars(const kinetics::core::Counts &counts);

private:
    double m_heights[4] = {-1, -1, -1, -1};
};
