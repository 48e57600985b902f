#include "kinetics/antidrasi.h"

#include "kinetics/core/TemperatureFactor.h"
#include "shell/Quantities.h"
#include "shell/core/SharedState.h"

using namespace toolkit;
using shell::core::shared;
using toolkit::core::Int;

namespace {

struct Ratios
{
    double w;
    double h;
};

Ratios screenRatios()
{
    const double W = screenWidth();
    const double H = screenHeight();
    return {W / (W + H), H / (W + H)};
}

} // namespace

antidrasi::antidrasi()
    : Form(QStringLiteral("antidrasi"), QStringLiteral("Spots' Representation"), 6000, 4500)
{
    setFillSolid(true);
    setFillColor(qColor(kinetics::core::palette::blue));
    setFontName(fonts::serifGreek);
    setBackColor(RGB(255, 255, 255));
    Timer1.setEnabled(false);
    Timer1.setInterval(1);
    offerPicture(*this);
}

void antidrasi::setSpotScale(int blockSide)
{
    const Ratios r = screenRatios();
    const int side = std::max(1, blockSide);
    const double across = 55 * r.w / side; // spacing of the spots in x units
    const double up = 55 * r.h / side;     // and in y units
    const QRect client = clientRect();
    const double w = std::max(1, client.width());
    const double h = std::max(1, client.height());
    const double pixels = std::min(w, h) / (side + 1.0);
    const double xRange = w * across / pixels;
    const double yRange = h * up / pixels;
    const double cx = across * (side + 1) / 2;
    const double cy = up * (side + 1) / 2;
    scale(cx - xRange / 2, cy + yRange / 2, cx + xRange / 2, cy - yRange / 2);
    m_spacing = across;
    m_radius = 0.3 * across;
}

void antidrasi::drawSpot(int i, int j, int code, int blockSide)
{
    const Ratios r = screenRatios();
    const auto centre = kinetics::core::spotCentre(i, j, blockSide, r.w, r.h);
    // The background first, a little wider than the spot: the soft edge of
    // the spot drawn before would otherwise stay as a faint ring.
    const QColor back = backColor();
    setFillColor(back);
    circle(centre.x, centre.y, m_radius + m_spacing / 10, back);
    const QColor colour = qColor(kinetics::core::spotColour(code));
    setFillColor(colour);
    circle(centre.x, centre.y, m_radius, colour);
}

void antidrasi::load()
{
    setWidthTwips(screenWidth() / 2);
    setHeightTwips(screenHeight() / 2);
    setLeft(0);
    setTop(0);
    setAutoRedraw(true);
    Timer1.setEnabled(false);
    auto &s = shared();
    s.temperatureC = shell::temperature().value();
    // The lattice window keeps the interval of the temperature, unused.
    Timer1.setInterval(kinetics::core::chemistryTickInterval(s.temperatureC));
    s.latticeSide = kinetics::core::latticeSide;
    s.initialAmount = shell::amount().value();
    const int target = static_cast<int>(Int(kinetics::core::layoutTarget(s.initialAmount) + 1));
    s.run.setCounts({target, 0, 0, s.run.counts().d});
    if (kinetics::core::isChemistry(s.modelCode))
        s.reactionRun = true;

    // The preview is drawn in the scale the run will use, so the block looks
    // the same before and after Start.
    layOut(m_cells, s.initialAmount, s.initialAmount, true);
}

int antidrasi::layOut(kinetics::core::Grid &grid, double blockAmount, double targetAmount, bool emptyRest)
{
    namespace core = kinetics::core;
    const auto &s = shared();
    const int latticeSide = s.latticeSide > 0 ? s.latticeSide : core::defaultLatticeSide;
    const int codeA = s.codeA != 0 ? s.codeA : core::defaultCodeA;
    const int side = core::blockSide(blockAmount, latticeSide);
    setSpotScale(side);
    grid = {};
    const int placed = core::layOutBlock(grid, blockAmount, targetAmount, latticeSide, codeA,
                                         [&](int i, int j) { drawSpot(i, j, codeA, side); });
    if (emptyRest)
        core::emptyTheRest(grid, latticeSide, codeA, [&](int i, int j) { drawSpot(i, j, core::codeEmpty, side); });
    return placed;
}

int antidrasi::drawInitialSpots()
{
    auto &s = shared();
    s.codeA = kinetics::core::defaultCodeA;
    // The block's side follows the amount bars, which every amount bar keeps
    // equal to the shared amount.
    const double blockAmount = shell::amount().value();
    kinetics::core::Grid preview{};
    return layOut(preview, blockAmount, s.initialAmount, false);
}
