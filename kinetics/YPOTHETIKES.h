// The reaction parameters window: temperature, concentration, duration and
// the rates of the steps, with the rate constants rewritten at every change.
#pragma once

#include "kinetics/core/Process.h"
#include "toolkit/Toolkit.h"

class YPOTHETIKES final : public toolkit::Form
{
    Q_OBJECT
public:
    YPOTHETIKES();
    void load() override;

    toolkit::ScrollBar tempotherm{Qt::Horizontal, this, QStringLiteral("tempotherm")};
    toolkit::ScrollBar sidesq{Qt::Horizontal, this, QStringLiteral("sidesq")};
    toolkit::ScrollBar xronosolos{Qt::Horizontal, this, QStringLiteral("xronosolos")};
    toolkit::ScrollBar bleprasino{Qt::Horizontal, this, QStringLiteral("bleprasino")};
    toolkit::ScrollBar pithanotipiso{Qt::Horizontal, this, QStringLiteral("pithanotipiso")};
    toolkit::ScrollBar kokkina{Qt::Horizontal, this, QStringLiteral("kokkina")};
    toolkit::ScrollBar kokkinaprasina{Qt::Horizontal, this, QStringLiteral("kokkinaprasina")};
    toolkit::CommandButton Command2{this, QStringLiteral("Command2")};
    toolkit::CommandButton Command1{this, QStringLiteral("Command1")};
    toolkit::CommandButton Command3{this, QStringLiteral("Command3")};
    toolkit::Label Label8{this, QStringLiteral("Label8")};
    toolkit::Label Label10{this, QStringLiteral("Label10")};
    toolkit::Label Label9{this, QStringLiteral("Label9")};
    toolkit::Label Label3{this, QStringLiteral("Label3")};
    toolkit::Label Label5{this, QStringLiteral("Label5")};
    toolkit::Label Label7{this, QStringLiteral("Label7")};
    toolkit::ControlArray<toolkit::Label> Label2{this, QStringLiteral("Label2"), 4};
    toolkit::ControlArray<toolkit::Label> Label4{this, QStringLiteral("Label4"), 4};
    toolkit::ControlArray<toolkit::Label> Label1{this, QStringLiteral("Label1"), 4};
    toolkit::ControlArray<toolkit::Label> Label6{this, QStringLiteral("Label6"), 4};

    // Shown, the window offers the rows and bars of the steps the wizard's
    // choices give the reaction.
    void setVisible(bool visible) override;
    // The rate constant of a step: scroll value x temperature factor / 100.
    double rateConstant(const toolkit::ScrollBar &bar) const;
    // The row of step 0 (A -> B), 1 (B -> A), 2 (B -> C) or 3 (C -> B) shows
    // the rate constant k.
    void showRateConstant(int step, double k);
    // The window's state when the choices page first loads: the amount 15,
    // A -> B at 50, B -> C at 0, 25 degrees, the duration 250 and the
    // fonts and texts of the rows as they first stand.
    void takeFirstState();

private:
    // The rows and bars of the steps the reaction has: A -> B always, B -> A
    // when reversible, B -> C with two steps, C -> B with both.
    void showRows();
    void tempothermChange();
    void sidesqChange();
    void xronosolosChange();
    // A rate bar moved: 0 A -> B, 1 B -> A, 2 B -> C, 3 C -> B.
    void rateChanged(int step);
    void next();
    // The rate bars show the lesson's: a reaction's own values, or those an
    // acid or a decay series gives them.
    void followLesson();
    bool m_following = false;
    // A row's value with its unit, the unit's "-1" after it.
    void setValueText(toolkit::ControlArray<toolkit::Label> &row, const QString &text);
    static constexpr double exponentLeft = 39; // where the layout puts the "-1"
    bool m_laidOut = false;
    // Elements 0, 1 and 3 of a rate row with their fonts.
    void setRowFrame(toolkit::ControlArray<toolkit::Label> &row, const QString &letter, double letterSize,
                     const QString &step);
    void layOut();
    double factor() const;
};
