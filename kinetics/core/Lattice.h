// The lattice of spots: its codes and colours, the initial layout of the blue
// block and the elementary random event that changes one spot.
#pragma once

#include "shell/core/SharedState.h"
#include "toolkit/core/Numeric.h"

#include <array>
#include <cstdint>

namespace kinetics::core {

// Codes of a site. A and B are shared variables that the run's Start sets to
// these defaults; C, D and empty are fixed.
inline constexpr int defaultCodeA = 11; // blue
inline constexpr int defaultCodeB = 12; // green
inline constexpr int codeC = 3;         // red
inline constexpr int codeD = 4;         // cyan, only in decay series; never changes again
inline constexpr int codeEmpty = 100;   // drawn white

inline constexpr int defaultLatticeSide = 25;
inline constexpr int gridSize = 27; // both indices 0..26; sites 1..latticeSide are used

// grid[i][j]: i is the column (drawn along x), j the row (drawn along y).
using Grid = std::array<std::array<std::int16_t, gridSize>, gridSize>;

struct Rgb
{
    int r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

// Colour of a spot of the given code (with the default codes of A and B);
// white for an empty site and for any unknown code.
Rgb spotColour(int code);

struct Point
{
    double x = 0, y = 0;
};

inline constexpr double spotRadius = 0.2;

// Centre of the spot of site (i, j) in the spot window's scale, for a block of
// side s: dividing by s makes the initial block span the same region, about
// 55 x ratioW by 55 x ratioH, whatever the amount. ratioW = W / (W + H) and
// ratioH = H / (W + H) with W and H the screen's width and height.
Point spotCentre(int i, int j, int blockSide, double ratioW, double ratioH);

// Side of the initial square block for an amount (percent of the sites):
// Int(Sqr(side^2 x amount / 100)) + 1, so the block always holds more spots
// than the target: 4 for amount 2, 12 for 20, 17 for 44, 25 for 99.
int blockSide(double amount, int latticeSide = defaultLatticeSide);

// Number of spots an amount stands for: side^2 x amount / 100 (12.5 for 2).
double layoutTarget(double amount, int latticeSide = defaultLatticeSide);

// Lays the blue block of side blockSide(blockAmount) into columns and rows
// 1..s, calling onPlace(i, j) for each site, then tops the count up to
// layoutTarget(targetAmount): from site (s + 1, s + 1) down that column to the
// last row, then from row 1 of the next columns. The top-up only ever runs
// when the block amount is below the target amount, and it stops at the last
// column. Other sites are left as they are. Returns the number placed.
template <class OnPlace>
int layOutBlock(Grid &grid, double blockAmount, double targetAmount, int latticeSide, int codeA,
                OnPlace &&onPlace)
{
    const int last = latticeSide < gridSize - 1 ? latticeSide : gridSize - 1;
    int s = blockSide(blockAmount, latticeSide);
    if (s > gridSize - 1)
        s = gridSize - 1;
    const double target = layoutTarget(targetAmount, latticeSide);
    int count = 0;
    for (int i = 1; i <= s; ++i) {
        for (int j = 1; j <= s; ++j) {
            grid[i][j] = static_cast<std::int16_t>(codeA);
            onPlace(i, j);
            ++count;
        }
    }
    int i = s + 1;
    int j = s + 1;
    while (count < target && i <= last && j <= last) {
        grid[i][j] = static_cast<std::int16_t>(codeA);
        onPlace(i, j);
        ++count;
        if (++j > last) {
            j = 1;
            ++i;
        }
    }
    return count;
}

inline int layOutBlock(Grid &grid, double blockAmount, double targetAmount,
                       int latticeSide = defaultLatticeSide, int codeA = defaultCodeA)
{
    return layOutBlock(grid, blockAmount, targetAmount, latticeSide, codeA, [](int, int) {});
}

// Every site 1..latticeSide x 1..latticeSide that is not codeA becomes empty;
// onEmpty(i, j) is called for each so that the window can draw it white.
template <class OnEmpty>
void emptyTheRest(Grid &grid, int latticeSide, int codeA, OnEmpty &&onEmpty)
{
    const int last = latticeSide < gridSize - 1 ? latticeSide : gridSize - 1;
    for (int i = 1; i <= last; ++i) {
        for (int j = 1; j <= last; ++j) {
            if (grid[i][j] != codeA) {
                grid[i][j] = static_cast<std::int16_t>(codeEmpty);
                onEmpty(i, j);
            }
        }
    }
}

inline void emptyTheRest(Grid &grid, int latticeSide = defaultLatticeSide, int codeA = defaultCodeA)
{
    emptyTheRest(grid, latticeSide, codeA, [](int, int) {});
}

// The pause after an A -> B conversion: counts from 1 to 200000 through a
// volatile counter, so the optimiser cannot drop it.
void conversionPause();

// What a window does during an event. randomStep calls redraw(i, j, code)
// after a site changed, and beep() then pause() when a blue spot turns green;
// a window's pause() usually calls conversionPause().
struct NoStepHooks
{
    void redraw(int, int, int) {}
    void beep() {}
    void pause() {}
};

namespace detail {

inline void capAt(int &count, int total)
{
    if (count > total)
        count = total;
}

inline void floorAtZero(int &count)
{
    if (count < 0)
        count = 0;
}

} // namespace detail

// One elementary event on the grid. Two uniform draws pick the site; an empty
// site ends the event there. A spot of the picked site is tested against one
// step's probability (state.rateK1 ... rateK3), each test after re-seeding the
// generator with a fresh draw (x 1e8 for green, x 1000 for blue, x 1e10 for
// red; from the clock before B -> A):
//   green: B -> C, else (only when reactionRun) B -> A;
//   blue:  A -> B, the only test that admits equality (u <= rateK1);
//   red:   C -> D with rateK3 when modelCode < 0 (0 otherwise), then, only
//          when reactionRun, C -> B with the same number;
//   cyan and any other code never change.
// Counts move with each change and are held within 0..spotTotal.
// Rng needs next() (uniform in [0, 1)), mix(double) and mixClock(), as
// toolkit::core::Random has. The event allocates nothing.
template <class Rng, class Hooks>
void randomStep(Grid &cells, shell::core::SharedState &state, int spotTotal, Rng &rng, Hooks &&hooks)
{
    using detail::capAt;
    using detail::floorAtZero;
    using toolkit::core::Int;

    const double span = state.latticeSide - state.lowestIndex + 1;
    const double i0 = Int(span * rng.next() + state.lowestIndex);
    const double j0 = Int(span * rng.next() + state.lowestIndex);
    if (!(i0 >= 0 && i0 < gridSize && j0 >= 0 && j0 < gridSize))
        return;
    const int i = static_cast<int>(i0);
    const int j = static_cast<int>(j0);
    std::int16_t &site = cells[i][j];
    const int code = site;

    if (code == codeEmpty)
        return;

    if (code == state.codeB) {
        rng.mix(rng.next() * 1e8);
        const double u = rng.next();
        if (u / 625 < state.rateK2 / 625) {
            site = codeC;
            state.countB -= 1;
            state.countC += 1;
            capAt(state.countC, spotTotal);
            floorAtZero(state.countB);
            hooks.redraw(i, j, codeC);
        } else if (state.reactionRun) {
            rng.mixClock();
            const double v = rng.next();
            if (v / 625 < state.rateK1Reverse / 625) {
                site = static_cast<std::int16_t>(state.codeA);
                state.countB -= 1;
                state.countA += 1;
                capAt(state.countA, spotTotal);
                floorAtZero(state.countB);
                hooks.redraw(i, j, state.codeA);
            }
        }
        return;
    }

    if (code == state.codeA) {
        rng.mix(rng.next() * 1000);
        const double u = rng.next();
        if (u / 625 <= state.rateK1 / 625) {
            site = static_cast<std::int16_t>(state.codeB);
            hooks.beep();
            hooks.pause();
            state.countB += 1;
            capAt(state.countB, spotTotal);
            state.countA -= 1;
            floorAtZero(state.countA);
            hooks.redraw(i, j, state.codeB);
        }
        return;
    }

    if (code == codeC) {
        rng.mix(rng.next() * 1e10);
        const double u = rng.next();
        const double q = state.modelCode < 0 ? state.rateK3 : 0.0;
        if (u / 625 < q / 625) {
            site = codeD;
            state.countC -= 1;
            state.countD += 1;
            capAt(state.countD, spotTotal);
            floorAtZero(state.countC);
            hooks.redraw(i, j, codeD);
        }
        if (state.reactionRun && u / 625 < state.rateK2Reverse / 625) {
            site = static_cast<std::int16_t>(state.codeB);
            state.countB += 1;
            state.countC -= 1;
            capAt(state.countB, spotTotal);
            floorAtZero(state.countC);
            hooks.redraw(i, j, state.codeB);
        }
    }
}

template <class Rng>
void randomStep(Grid &cells, shell::core::SharedState &state, int spotTotal, Rng &rng)
{
    randomStep(cells, state, spotTotal, rng, NoStepHooks{});
}

} // namespace kinetics::core
