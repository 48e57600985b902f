// The lattice of spots: its codes and colours, the initial layout of the blue
// block and the elementary random event that changes one spot.
#pragma once

#include "kinetics/core/Palette.h"
#include "kinetics/core/Process.h"
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

inline constexpr int defaultLatticeSide = latticeSide;
inline constexpr int gridSize = 27; // both indices 0..26; sites 1..latticeSide are used

// grid[i][j]: i is the column (drawn along x), j the row (drawn along y).
using Grid = std::array<std::array<std::int16_t, gridSize>, gridSize>;

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
// The distance of neighbouring spot centres across (x) and up (y).
Point spotSpacing(int blockSide, double ratioW, double ratioH);

// Side of the initial square block for an amount (percent of the sites):
// Int(Sqr(side^2 x amount / 100)) + 1, so the block always holds more spots
// than the target: 4 for amount 2, 12 for 20, 17 for 44, 25 for 99.
int blockSide(double amount, int side = defaultLatticeSide);

// Number of spots an amount stands for: side^2 x amount / 100 (12.5 for 2).
double layoutTarget(double amount, int side = defaultLatticeSide);

// Lays the blue block of side blockSide(blockAmount) into columns and rows
// 1..s, calling onPlace(i, j) for each site, then tops the count up to
// layoutTarget(targetAmount): from site (s + 1, s + 1) down that column to the
// last row, then from row 1 of the next columns. The top-up only ever runs
// when the block amount is below the target amount, and it stops at the last
// column. Other sites are left as they are. Returns the number placed.
template <class OnPlace>
int layOutBlock(Grid &grid, double blockAmount, double targetAmount, int side, int codeA,
                OnPlace &&onPlace)
{
    const int last = side < gridSize - 1 ? side : gridSize - 1;
    int s = blockSide(blockAmount, side);
    if (s > gridSize - 1)
        s = gridSize - 1;
    const double target = layoutTarget(targetAmount, side);
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
                       int side = defaultLatticeSide, int codeA = defaultCodeA)
{
    return layOutBlock(grid, blockAmount, targetAmount, side, codeA, [](int, int) {});
}

// Every site 1..side x 1..side that is not codeA becomes empty;
// onEmpty(i, j) is called for each so that the window can draw it white.
template <class OnEmpty>
void emptyTheRest(Grid &grid, int side, int codeA, OnEmpty &&onEmpty)
{
    const int last = side < gridSize - 1 ? side : gridSize - 1;
    for (int i = 1; i <= last; ++i) {
        for (int j = 1; j <= last; ++j) {
            if (grid[i][j] != codeA) {
                grid[i][j] = static_cast<std::int16_t>(codeEmpty);
                onEmpty(i, j);
            }
        }
    }
}

inline void emptyTheRest(Grid &grid, int side = defaultLatticeSide, int codeA = defaultCodeA)
{
    emptyTheRest(grid, side, codeA, [](int, int) {});
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

// The counts of the four kinds of spot.
struct Counts
{
    int a = 0, b = 0, c = 0, d = 0;
    int total() const { return a + b + c + d; }
    friend bool operator==(const Counts &, const Counts &) = default;
};

// What an event needs to know of the run: the sites in play (lowestIndex to
// side along both axes), the codes of A and B, whether the reverse steps run
// and the probabilities (k3, C -> D, is 0 unless a decay series runs).
struct LatticeRun
{
    int side = defaultLatticeSide;
    int lowestIndex = 1;
    int codeA = defaultCodeA;
    int codeB = defaultCodeB;
    bool reversible = false;
    StepProbabilities p;
};

namespace detail {

// Moves one spot from one count to another, each held within 0..total, and
// redraws its site in the new colour.
template <class Hooks>
void moveSpot(std::int16_t &site, int i, int j, int code, int &from, int &to, int total, Hooks &hooks)
{
    site = static_cast<std::int16_t>(code);
    to += 1;
    if (to > total)
        to = total;
    from -= 1;
    if (from < 0)
        from = 0;
    hooks.redraw(i, j, code);
}

// A draw u against a probability p, compared as u / 625 < p / 625 as the
// program always has: the division can round two neighbouring doubles to the
// same quotient, so a few borderline draws come out differently from u < p,
// and a repeatable run must not change with a rewrite of the comparison.
inline bool below(double u, double p) { return u / eventsPerTick < p / eventsPerTick; }
inline bool atMost(double u, double p) { return u / eventsPerTick <= p / eventsPerTick; }

} // namespace detail

// One elementary event on the grid. Two uniform draws pick the site; an empty
// site ends the event there. A spot of the picked site is tested against one
// step's probability, each test after re-seeding the generator with a fresh
// draw (x 1e8 for green, x 1000 for blue, x 1e10 for red; from the clock
// before B -> A):
//   green: B -> C, else (only when reversible) B -> A;
//   blue:  A -> B, the only test that admits equality (u <= k1);
//   red:   C -> D with k3, else (only when reversible) C -> B with the same
//          number, so that a spot never turns into two kinds;
//   cyan and any other code never change.
// Counts move with each change and are held within 0..spotTotal.
// Rng needs next() (uniform in [0, 1)), mix(double) and mixClock(), as
// toolkit::core::Random has. The event allocates nothing.
template <class Rng, class Hooks>
void randomStep(Grid &cells, const LatticeRun &run, Counts &n, int spotTotal, Rng &rng, Hooks &&hooks)
{
    using detail::below;
    using toolkit::core::Int;

    const double span = run.side - run.lowestIndex + 1;
    const double i0 = Int(span * rng.next() + run.lowestIndex);
    const double j0 = Int(span * rng.next() + run.lowestIndex);
    if (!(i0 >= 0 && i0 < gridSize && j0 >= 0 && j0 < gridSize))
        return;
    const int i = static_cast<int>(i0);
    const int j = static_cast<int>(j0);
    std::int16_t &site = cells[i][j];
    const int code = site;

    if (code == codeEmpty)
        return;

    if (code == run.codeB) {
        rng.mix(rng.next() * 1e8);
        if (below(rng.next(), run.p.k2)) {
            detail::moveSpot(site, i, j, codeC, n.b, n.c, spotTotal, hooks);
        } else if (run.reversible) {
            rng.mixClock();
            if (below(rng.next(), run.p.k1Reverse))
                detail::moveSpot(site, i, j, run.codeA, n.b, n.a, spotTotal, hooks);
        }
        return;
    }

    if (code == run.codeA) {
        rng.mix(rng.next() * 1000);
        if (detail::atMost(rng.next(), run.p.k1)) {
            hooks.beep();
            hooks.pause();
            detail::moveSpot(site, i, j, run.codeB, n.a, n.b, spotTotal, hooks);
        }
        return;
    }

    if (code == codeC) {
        rng.mix(rng.next() * 1e10);
        const double u = rng.next();
        if (below(u, run.p.k3))
            detail::moveSpot(site, i, j, codeD, n.c, n.d, spotTotal, hooks);
        else if (run.reversible && below(u, run.p.k2Reverse))
            detail::moveSpot(site, i, j, run.codeB, n.c, n.b, spotTotal, hooks);
    }
}

template <class Rng>
void randomStep(Grid &cells, const LatticeRun &run, Counts &counts, int spotTotal, Rng &rng)
{
    randomStep(cells, run, counts, spotTotal, rng, NoStepHooks{});
}

} // namespace kinetics::core
