#include "graphs/core/Measure.h"

#include "graphs/core/CountsTable.h"
#include "graphs/core/Histogram.h"

#include <algorithm>
#include <numbers>

namespace graphs::core {

namespace {

using kinetics::core::Recording;

// The counts at the start and at each tick's end, at their times.
struct Timed
{
    double time;
    kinetics::core::Counts counts;
};

std::vector<Timed> tickEnds(const Recording &run)
{
    std::vector<Timed> out{{0, {run.setup.spots, 0, 0, 0}}};
    for (const auto &tick : run.history)
        out.push_back({tick.time, tick.counts});
    return out;
}

void addDecayFigures(std::vector<Measurement> &out, const Recording &run, const SmoothSolution &smooth)
{
    const auto &setup = run.setup;
    const double k1 = smooth.p[0];
    const double setHalf = k1 > 0 ? setHalfLife(setup.interval, k1) : NAN;
    const DecayFit fit = fitLogDecay(run);
    const double k = -fit.slope; // per unit of the graph's time
    if (const double atHalf = run.timeAtHalf(); std::isfinite(atHalf)) {
        // Where A crosses half, it falls k N / 2 a unit of time and spreads
        // sqrt(N / 4): the crossing spreads 1 / (k sqrt N).
        const double rate = k > 0 ? k : k1 / setup.interval;
        out.push_back({Measured::HalfLifeAtHalf, atHalf, 1 / (rate * std::sqrt(double(setup.spots))), setHalf, 0,
                       atHalf});
    }
    if (fit.points >= 3 && k > 0) {
        out.push_back({Measured::ConstantA, k * setup.interval, fit.uncertainty * setup.interval, k1, fit.from, fit.to});
        out.push_back({Measured::HalfLifeFromFit, std::numbers::ln2 / k, std::numbers::ln2 * fit.uncertainty / (k * k),
                       setHalf, fit.from, fit.to});
    }
}

void addRatio(std::vector<Measurement> &out, const Recording &run, const SmoothSolution &smooth)
{
    const auto points = tickEnds(run);
    const double end = points.back().time;
    std::vector<std::pair<double, double>> window; // A, B
    double from = end;
    for (const Timed &p : points)
        if (p.time >= end * 2 / 3 && p.time > 0) {
            window.emplace_back(p.counts.a, p.counts.b);
            from = std::min(from, p.time);
        }
    const auto n = double(window.size());
    if (n < 2)
        return;
    double a = 0, b = 0;
    for (const auto &[x, y] : window)
        a += x, b += y;
    a /= n, b /= n;
    if (!(a > 0))
        return;
    double vaa = 0, vbb = 0, vab = 0;
    for (const auto &[x, y] : window) {
        vaa += (x - a) * (x - a);
        vbb += (y - b) * (y - b);
        vab += (x - a) * (y - b);
    }
    vaa /= n - 1, vbb /= n - 1, vab /= n - 1;
    const double ratio = b / a;
    // Neighbouring ticks are alike: each tick keeps e^-(p1 + p2) of a
    // departure from equilibrium, so the window holds fewer independent
    // ticks than it has, and spread less about their own mean than about
    // the equilibrium.
    const double rho = std::exp(-(smooth.p[0] + smooth.p[1]));
    if (!(rho < 1))
        return; // nothing turns over: no equilibrium to measure
    const double alike = (1 + rho) / (1 - rho);
    const double spread = (vbb + ratio * ratio * vaa - 2 * ratio * vab) / (a * a) * (n - 1) / std::max(1.0, n - alike);
    const double uncertainty = std::sqrt(std::max(0.0, spread) * alike / n);
    const double set = smooth.p[1] > 0 ? smooth.p[0] / smooth.p[1] : NAN;
    out.push_back({Measured::RatioBA, ratio, uncertainty, set, from, end});
}

void addPeak(std::vector<Measurement> &out, const Recording &run, const SmoothSolution &smooth)
{
    const auto points = tickEnds(run);
    const auto &setup = run.setup;
    std::size_t m = 0;
    for (std::size_t i = 1; i < points.size(); ++i)
        if (points[i].counts.b > points[m].counts.b)
            m = i;
    if (m == 0 || m + 1 >= points.size())
        return; // no maximum within the run
    const double before = points[m - 1].counts.b, at = points[m].counts.b, after = points[m + 1].counts.b;
    const double h = points[m + 1].time - points[m].time;
    const double bend = before - 2 * at + after;
    if (!(bend < 0) || !(h > 0))
        return;
    // The parabola through the three ticks: its top, and how far along the
    // time it stays within one standard deviation of a binomial count there.
    const double shift = h * (before - after) / (2 * bend);
    const double top = at - (before - after) * (before - after) / (8 * bend);
    const double spots = setup.spots;
    const double sd = std::sqrt(std::max(0.0, top * (1 - top / spots)));
    const double curvature = -bend / (2 * h * h);
    const double perSpot = valuePerSpot(setup);

    double setTime = NAN, setHeight = NAN;
    const auto &b = smooth.amounts[1];
    const auto k = std::size_t(std::max_element(b.begin(), b.end()) - b.begin());
    if (!b.empty() && k > 0 && k + 1 < b.size()) {
        setTime = double(k) * smooth.step;
        setHeight = smoothValue(smooth, setup, b[k]);
    }
    const double time = points[m].time + shift;
    out.push_back({Measured::PeakTimeB, time, std::sqrt(sd / curvature), setTime, points[m - 1].time,
                   points[m + 1].time});
    out.push_back({Measured::PeakHeightB, top * perSpot, sd * perSpot, setHeight, points[m - 1].time,
                   points[m + 1].time});
}

void addPercentages(std::vector<Measurement> &out, const Recording &run, const SmoothSolution &smooth)
{
    const auto &end = run.history.back();
    const double spots = run.setup.spots;
    // Where the rate equations come to rest: each step's forward and back
    // flows balance, B / A = p1 / p2 and C / B = p3 / p4.
    const auto &p = smooth.p;
    if (!(p[1] > 0 && p[3] > 0))
        return;
    const double b = p[0] / p[1], c = b * p[2] / p[3];
    const double rest[] = {1 / (1 + b + c), b / (1 + b + c), c / (1 + b + c)};
    const int counts[] = {end.counts.a, end.counts.b, end.counts.c};
    const Measured what[] = {Measured::PercentA, Measured::PercentB, Measured::PercentC};
    for (std::size_t m = 0; m < 3; ++m) {
        const double share = counts[m] / spots;
        out.push_back({what[m], 100 * share, 100 * std::sqrt(share * (1 - share) / spots), 100 * rest[m], end.time,
                       end.time});
    }
}

} // namespace

double valuePerSpot(const kinetics::core::RunSetup &setup)
{
    if (setup.spots <= 0)
        return 0;
    return setup.chemistry() ? kinetics::core::amountPerSpot(setup.amount, setup.spots)
                             : kinetics::core::layoutTarget(setup.amount) / setup.spots;
}

double smoothValue(const SmoothSolution &smooth, const kinetics::core::RunSetup &setup, double spots)
{
    return setup.chemistry() ? smooth.plotted(spots) : spots;
}

std::string measureName(Measured what)
{
    switch (what) {
    case Measured::HalfLifeAtHalf: return "halfLifeA";
    case Measured::HalfLifeFromFit: return "halfLifeFitA";
    case Measured::ConstantA: return "constantA";
    case Measured::RatioBA: return "ratioBA";
    case Measured::PeakTimeB: return "peakTimeB";
    case Measured::PeakHeightB: return "peakHeightB";
    case Measured::PercentA: return "percentA";
    case Measured::PercentB: return "percentB";
    case Measured::PercentC: return "percentC";
    }
    return "unknown";
}

std::vector<std::pair<std::string, std::string>> measurementNotes(const std::vector<Measurement> &figures)
{
    std::vector<std::pair<std::string, std::string>> notes;
    for (const Measurement &m : figures) {
        std::string text = shortest(m.value) + " uncertainty " + shortest(m.uncertainty);
        if (std::isfinite(m.set))
            text += " set " + shortest(m.set);
        notes.emplace_back("measured " + measureName(m.what), text);
    }
    return notes;
}

DecayFit fitLogDecay(const Recording &run)
{
    DecayFit fit;
    const double start = run.setup.spots;
    std::vector<double> t, y;
    for (const Timed &p : tickEnds(run)) {
        if (p.counts.a < std::max(5.0, start / 10))
            break;
        t.push_back(p.time);
        y.push_back(std::log(double(p.counts.a)));
    }
    fit.points = int(t.size());
    if (fit.points < 3)
        return fit;
    const auto n = double(t.size());
    double tMean = 0, yMean = 0;
    for (std::size_t i = 0; i < t.size(); ++i)
        tMean += t[i], yMean += y[i];
    tMean /= n, yMean /= n;
    double sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        sxx += (t[i] - tMean) * (t[i] - tMean);
        sxy += (t[i] - tMean) * (y[i] - yMean);
    }
    fit.slope = sxy / sxx;
    fit.from = t.front();
    fit.to = t.back();
    // The slope is a weighted sum of the ln A; their covariance at the
    // earlier of two times s is (e^(k s) - 1) / N for independent spots.
    const double k = std::max(0.0, -fit.slope);
    double variance = 0;
    for (std::size_t i = 0; i < t.size(); ++i)
        for (std::size_t j = 0; j < t.size(); ++j) {
            const double wi = (t[i] - tMean) / sxx, wj = (t[j] - tMean) / sxx;
            variance += wi * wj * std::expm1(k * std::min(t[i], t[j])) / start;
        }
    fit.uncertainty = std::sqrt(std::max(0.0, variance));
    return fit;
}

std::vector<Measurement> measureRun(const Recording &run, const SmoothSolution &smooth)
{
    std::vector<Measurement> out;
    const auto &setup = run.setup;
    if (setup.spots <= 0 || run.history.empty())
        return out;
    if (kinetics::core::isAcid(setup.process)) {
        addPercentages(out, run, smooth);
        return out;
    }
    if (!setup.reversible)
        addDecayFigures(out, run, smooth);
    else
        addRatio(out, run, smooth);
    if (setup.steps >= 2)
        addPeak(out, run, smooth);
    return out;
}

} // namespace graphs::core
