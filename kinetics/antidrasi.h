// The spot window: the 25 x 25 lattice of coloured spots.
#pragma once

#include "kinetics/core/Lattice.h"
#include "toolkit/Toolkit.h"

class antidrasi final : public toolkit::Form
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
    // One spot of site (i, j) in the colour of code, for a block of side s.
    void drawSpot(int i, int j, int code, int blockSide);
    // Lays the initial blue block of an amount into a cleared grid, topped up
    // to the target amount, and draws its spots in the scale of that block;
    // with emptyRest every other site becomes empty and is drawn white.
    // Returns the number of blue spots.
    int layOut(kinetics::core::Grid &grid, double blockAmount, double targetAmount, bool emptyRest);
    // The preview of the initial block; returns the number of blue spots.
    int drawInitialSpots();

private:
    kinetics::core::Grid m_cells{};
    double m_radius = kinetics::core::spotRadius;
    double m_spacing = 0; // between spot centres, in x units
};
