#include "graphs/core/DecaySeries.h"

#include "toolkit/core/Format.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

namespace graphs::core {

namespace {

// Points closer than this (in units of 1/t) are handled by a series, which has
// no cancellation; farther ones by the difference quotient, which then loses
// at most a few bits.
constexpr double closeSpread = 0.5;

// Divided difference of g(x) = e^(-t x) over sorted points x[i..j] from its
// Taylor series about their midpoint c: with u = -t (x - c),
// g[x_i..x_j] = e^(-t c) (-t)^m sum_q h_q(u) / (q + m)!, where m = j - i and
// h_q is the complete homogeneous symmetric polynomial of degree q.
double seriesDifference(std::span<const double> x, std::size_t i, std::size_t j, double t)
{
    constexpr int terms = 30;
    const std::size_t m = j - i;
    const double c = (x[i] + x[j]) / 2;
    std::array<double, terms> h{};
    h.fill(0.0);
    // h_q over the first point is u^q; adding a point p: h_q += u_p h_(q-1).
    for (std::size_t l = i; l <= j; ++l) {
        const double u = -t * (x[l] - c);
        if (l == i) {
            double power = 1;
            for (double &hq : h) {
                hq = power;
                power *= u;
            }
        } else {
            for (int q = 1; q < terms; ++q)
                h[q] += u * h[q - 1];
        }
    }
    double factorial = 1; // (q + m)!
    for (std::size_t r = 2; r <= m; ++r)
        factorial *= static_cast<double>(r);
    double sum = 0;
    for (int q = 0; q < terms; ++q) {
        if (q > 0)
            factorial *= static_cast<double>(q + static_cast<int>(m));
        sum += h[q] / factorial;
    }
    return std::exp(-t * c) * std::pow(-t, static_cast<double>(m)) * sum;
}

// g[k_0..k_(n-1)] for g(x) = e^(-t x), n <= 4, any order, repeats allowed.
double expDividedDifference(std::array<double, 4> k, std::size_t n, double t)
{
    std::sort(k.begin(), k.begin() + static_cast<std::ptrdiff_t>(n));
    const std::span<const double> x(k.data(), n);
    std::array<std::array<double, 4>, 4> d{};
    for (std::size_t i = 0; i < n; ++i)
        d[i][i] = std::exp(-t * x[i]);
    for (std::size_t m = 1; m < n; ++m) {
        for (std::size_t i = 0; i + m < n; ++i) {
            const std::size_t j = i + m;
            const double spread = x[j] - x[i];
            if (std::fabs(t) * spread <= closeSpread)
                d[i][j] = seriesDifference(x, i, j, t);
            else
                d[i][j] = (d[i + 1][j] - d[i][j - 1]) / spread;
        }
    }
    return d[0][n - 1];
}

std::string halfLifeText(double halfLife)
{
    return "T/2=" + toolkit::core::Format(halfLife, "0.0");
}

using kinetics::core::palette::black;
using kinetics::core::palette::blue;
using kinetics::core::palette::green;
using kinetics::core::palette::red;

MarkItem line(double x, double y1, double y2, Rgb colour)
{
    return {MarkItem::Kind::Line, x, y1, y2, colour, {}};
}

MarkItem textColour(Rgb colour)
{
    return {MarkItem::Kind::TextColour, 0, 0, 0, colour, {}};
}

MarkItem text(double x, double y, std::string s)
{
    return {MarkItem::Kind::Text, x, y, 0, {}, std::move(s)};
}

} // namespace

std::array<double, 4> batemanAmounts(double total, const std::array<double, 4> &k, double t)
{
    std::array<double, 4> out{};
    double numerator = total; // total x k1 .. k(n-1)
    double sign = 1;          // sum_i e^(-ki t) / prod (kj - ki) = (-1)^(n-1) g[k1..kn]
    for (std::size_t n = 1; n <= 4; ++n) {
        if (n > 1)
            numerator *= k[n - 2];
        out[n - 1] = numerator == 0 ? 0.0 : numerator * sign * expDividedDifference(k, n, t);
        sign = -sign;
    }
    return out;
}

std::vector<MarkItem> decaySeriesMarks(double k1, double k2, double k3)
{
    const double ln2 = std::numbers::ln2;
    std::vector<MarkItem> marks;
    marks.push_back(line(ln2 / k1, 0, 100, blue));
    if (k2 != 0) {
        marks.push_back(line(ln2 / k2, 0, 100, green));
        marks.push_back(text(ln2 / k2, 100, halfLifeText(ln2 / k2)));
    }
    marks.push_back(textColour(blue));
    marks.push_back(text(ln2 / k1, 110, halfLifeText(ln2 / k1)));
    marks.push_back(textColour(green));
    marks.push_back(textColour(black));
    if (k3 != 0) {
        marks.push_back(line(ln2 / k3, 0, 100, red));
        marks.push_back(textColour(red));
        marks.push_back(text(ln2 / k3, 90, halfLifeText(ln2 / k3)));
        marks.push_back(textColour(black));
    }
    std::erase_if(marks, [](const MarkItem &m) { return !std::isfinite(m.x); });
    return marks;
}

std::vector<MarkItem> halfLifeMarks(double interval, double k1, double k2, double k3, double axisTop)
{
    const double tA = interval * 0.694 / k1;
    double tB = 0;
    if (k2 != 0)
        tB = interval * 0.693 / k2;
    std::vector<MarkItem> marks;
    marks.push_back({MarkItem::Kind::TextPosition, tA, 60, 0, {}, {}});
    marks.push_back(line(tA, 0, 1.5 * axisTop, blue));
    if (tB != 0)
        marks.push_back(line(tB, 0, 1.5 * axisTop, green));
    if (k3 != 0)
        marks.push_back(line(interval * 0.693 / k3, 0, 1.5 * axisTop, red));
    std::erase_if(marks, [](const MarkItem &m) { return !std::isfinite(m.x); });
    return marks;
}

} // namespace graphs::core
