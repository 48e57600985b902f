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
    // Clears the window and the grid, lays the full blue block of an amount
    // into the grid, every other site empty, and draws them all in the scale
    // of that block. Returns the number of blue spots.
    virtual int layOut(kinetics::core::Grid &grid, double amount) = 0;
    // One spot of site (i, j) in the colour of code, for a block of side s.
    virtual void drawSpot(int i, int j, int code, int blockSide) = 0;
    // Shows a lattice laid out for a block of that side as it stands; the
    // grid must outlive the showing.
    virtual void showLattice(const kinetics::core::Grid &grid, int blockSide) = 0;

protected:
    ~SpotWindow() = default;
};

} // namespace graphs
