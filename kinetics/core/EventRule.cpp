#include "kinetics/core/EventRule.h"

#include "kinetics/core/Lattice.h"

#include <algorithm>
#include <cmath>

namespace kinetics::core {

namespace {

double chance(double p) { return std::clamp(p, 0.0, 1.0); }

// The moments of one pick as one linear map of the vector (mean, second
// moments): a tick is that map to the power 625, found by squaring.
constexpr int size = 4 + 16;
using Map = std::array<std::array<double, size>, size>;

Map product(const Map &x, const Map &y)
{
    Map out{};
    for (int i = 0; i < size; ++i)
        for (int k = 0; k < size; ++k)
            if (const double a = x[i][k]; a != 0)
                for (int j = 0; j < size; ++j)
                    out[i][j] += a * y[k][j];
    return out;
}

constexpr int second(int i, int j) { return 4 + 4 * i + j; }

// One pick among `sites`: the chosen spot moves from kind i to j with T[i][j],
// so with n the counts, E[dn | n] = A n and E[dn dn' | n] = sum_i n_i B_i:
//   mean' = mean + A mean,
//   S' = S + A S + S A' + sum_i mean_i B_i   (S = E[n n']).
Map pickMap(const KindMatrix &t, double sites)
{
    KindMatrix a{}; // a[j][i]: the change of count j per spot of kind i
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            a[j][i] = (t[i][j] - (i == j ? 1 : 0)) / sites;
    Map m{};
    for (int i = 0; i < size; ++i)
        m[i][i] = 1;
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i)
            m[j][i] += a[j][i];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const int row = second(r, c);
            for (int k = 0; k < 4; ++k) {
                m[row][second(k, c)] += a[r][k]; // A S
                m[row][second(r, k)] += a[c][k]; // S A'
            }
            // sum_i mean_i B_i, B_i = sum_j T[i][j] (e_j - e_i)(e_j - e_i)' / sites
            for (int i = 0; i < 4; ++i) {
                double b = 0;
                for (int j = 0; j < 4; ++j) {
                    const double er = (r == j) - (r == i), ec = (c == j) - (c == i);
                    b += t[i][j] * er * ec;
                }
                m[row][i] += b / sites;
            }
        }
    return m;
}

Map power(Map base, int n)
{
    Map out{};
    for (int i = 0; i < size; ++i)
        out[i][i] = 1;
    for (; n > 0; n >>= 1) {
        if (n & 1)
            out = product(out, base);
        base = product(base, base);
    }
    return out;
}

} // namespace

KindMatrix pickTransitions(const StepProbabilities &p, bool reversible)
{
    KindMatrix t{};
    const double k1 = chance(p.k1), k2 = chance(p.k2), k3 = chance(p.k3);
    t[0][1] = k1;
    t[0][0] = 1 - k1;
    t[1][2] = k2;
    t[1][0] = reversible ? (1 - k2) * chance(p.k1Reverse) : 0;
    t[1][1] = 1 - t[1][2] - t[1][0];
    // One draw u: C -> D below k3, else C -> B below k2Reverse.
    t[2][3] = k3;
    t[2][1] = reversible ? std::max(0.0, chance(p.k2Reverse) - k3) : 0;
    t[2][2] = 1 - t[2][3] - t[2][1];
    t[3][3] = 1;
    return t;
}

double CountMoments::sd(int kind) const
{
    return std::sqrt(std::max(0.0, covariance[std::size_t(kind)][std::size_t(kind)]));
}

std::vector<CountMoments> exactMoments(const RunSetup &setup, int ticks)
{
    const LatticeRun lattice = latticeRun(setup);
    const double span = lattice.side - lattice.lowestIndex + 1;
    const Map tick = power(pickMap(pickTransitions(lattice.p, lattice.reversible), span * span), eventsPerTick);
    std::array<double, size> v{};
    v[0] = setup.spots;
    v[second(0, 0)] = double(setup.spots) * setup.spots;
    std::vector<CountMoments> out;
    out.reserve(std::size_t(std::max(0, ticks)));
    for (int n = 0; n < ticks; ++n) {
        std::array<double, size> next{};
        for (int i = 0; i < size; ++i)
            for (int j = 0; j < size; ++j)
                next[i] += tick[i][j] * v[std::size_t(j)];
        v = next;
        CountMoments m;
        for (int i = 0; i < 4; ++i) {
            m.mean[std::size_t(i)] = v[std::size_t(i)];
            for (int j = 0; j < 4; ++j)
                m.covariance[std::size_t(i)][std::size_t(j)] = v[std::size_t(second(i, j))] - v[std::size_t(i)] * v[std::size_t(j)];
        }
        out.push_back(m);
    }
    return out;
}

} // namespace kinetics::core
