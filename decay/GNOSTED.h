// The worked example: the natural series polonium-218 -> lead-214 ->
// bismuth-214 -> lead-210, run with the student's number of atoms and duration.
#pragma once

#include "toolkit/Toolkit.h"

class GNOSTED final : public toolkit::Form
{
    Q_OBJECT
public:
    GNOSTED();
    void load() override;

    toolkit::ScrollBar HScroll1{Qt::Horizontal, this, QStringLiteral("HScroll1")};
    toolkit::ScrollBar xronosolos{Qt::Horizontal, this, QStringLiteral("xronosolos")};
    toolkit::CommandButton mprosta{this, QStringLiteral("mprosta")};
    toolkit::CommandButton mpros{this, QStringLiteral("mpros")};
    toolkit::CommandButton Command1{this, QStringLiteral("Command1")};
    toolkit::Label Label2{this, QStringLiteral("Label2")};
    toolkit::Label Label4{this, QStringLiteral("Label4")};
    toolkit::Label Label3{this, QStringLiteral("Label3")}; // names the duration bar
    toolkit::Label etiketa1{this, QStringLiteral("etiketa1")};
    toolkit::Label etiketa2{this, QStringLiteral("etiketa2")};
    toolkit::Label etiketa3{this, QStringLiteral("etiketa3")};
    toolkit::Label etiketa4{this, QStringLiteral("etiketa4")};
    toolkit::ControlArray<toolkit::Label> Label1{this, QStringLiteral("Label1"), 6};
    toolkit::Shape Shape1{this, QStringLiteral("Shape1")};
    toolkit::Shape Shape2{this, QStringLiteral("Shape2")};
    toolkit::Shape Shape3{this, QStringLiteral("Shape3")};
    toolkit::Shape Shape4{this, QStringLiteral("Shape4")};
    toolkit::ControlArray<toolkit::PictureBox> Picture2{this, QStringLiteral("Picture2"), 3};
    toolkit::PictureBox Picture1{this, QStringLiteral("Picture1")};

    // The start-up layout of the diagram and the half-life captions.
    void layOutDiagram();

private:
    void HScroll1Change();
    void next();
    QString atomsText() const;
};
