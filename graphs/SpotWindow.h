// What the run windows need of the window that shows the lattice of spots.
#pragma once

#include "kinetics/core/Lattice.h"

namespace toolkit {
class Form;
}

namespace graphs {

class SpotWindow
{
public:
    virtual toolkit::Form &window() = 0;
    // Lays the initial blue block of an amount into a cleared grid, topped up
    // to the target amount, and draws its spots in the scale of that block;
    // with emptyRest every other site becomes empty and is drawn white.
    // Returns the number of blue spots.
    virtual int layOut(kinetics::core::Grid &grid, double blockAmount, double targetAmount, bool emptyRest) = 0;
    // The preview of the initial block; returns the number of blue spots.
    virtual int drawInitialSpots() = 0;
    // One spot of site (i, j) in the colour of code, for a block of side s.
    virtual void drawSpot(int i, int j, int code, int blockSide) = 0;

protected:
    ~SpotWindow() = default;
};

} // namespace graphs
