// The spot window: the 25 x 25 lattice of coloured spots.
#pragma once

#include "graphs/SpotWindow.h"
#include "kinetics/core/Lattice.h"
#include "toolkit/Toolkit.h"

class antidrasi final : public toolkit::Form, public graphs::SpotWindow
{
    Q_OBJECT
public:
    antidrasi();
    void load() override;

    toolkit::Timer Timer1{this, QStringLiteral("Timer1")};

    // The scale in which the spots of a block of side s are drawn, y upwards.
    // It is chosen so that neighbouring spots are as far apart across as up
    // and the block with a margin of one spot fills the window, whatever the
    // shape of the screen.
    void setSpotScale(int blockSide);
    toolkit::Form &window() override { return *this; }
    void drawSpot(int i, int j, int code, int blockSide) override;
    int layOut(kinetics::core::Grid &grid, double amount) override;
    void showLattice(const kinetics::core::Grid &grid, int blockSide) override;

private:
    // The lattice last laid out, at the window's size.
    void drawLattice();

    const kinetics::core::Grid *m_grid = nullptr; // the lattice last laid out
    int m_side = 1;                                // and its block's side
    double m_radius = kinetics::core::spotRadius;
    double m_spacing = 0; // between spot centres, in x units
};
