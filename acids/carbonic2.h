// The carbonic acid example, second page: concentration and temperature, the
// four rates of the two reversible steps they give, and the run.
#pragma once

#include "kinetics/core/Process.h"
#include "toolkit/Toolkit.h"

class carbonic2 final : public toolkit::Form
{
    Q_OBJECT
public:
    carbonic2();
    void load() override;

    toolkit::Label Label2{this, QStringLiteral("Label2")};
    toolkit::ScrollBar moleanalitro{Qt::Horizontal, this, QStringLiteral("moleanalitro")};
    toolkit::Label Label1{this, QStringLiteral("Label1")};
    toolkit::Label Label10{this, QStringLiteral("Label10")};
    toolkit::ScrollBar tempotherm{Qt::Horizontal, this, QStringLiteral("tempotherm")};
    toolkit::Label Label5{this, QStringLiteral("Label5")};
    toolkit::Document OLE1{this, QStringLiteral("OLE1")};
    toolkit::CommandButton Command1{this, QStringLiteral("Command1")};
    toolkit::CommandButton Command2{this, QStringLiteral("Command2")};
    toolkit::CommandButton Command3{this, QStringLiteral("Command3")};

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void tempothermChange();
    // Rewrites the labels, the equilibrium's rates and every list of them.
    void recompute();
    // The four rates, k1 to k4, one below the other: the window's drawing,
    // drawn anew at its size.
    void printRates(const kinetics::core::StepProbabilities &k);
    void drawRates(const kinetics::core::StepProbabilities &k);
    void next();
};
