#include "kinetics/antidrasi.h"

#include "kinetics/core/RunSetup.h"
#include "shell/Quantities.h"
#include "toolkit/Quantity.h"

using namespace toolkit;

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
    : Form(QStringLiteral("antidrasi"), tr("Spots' Representation"), 6000, 4500)
{
    setFillSolid(true);
    setFillColor(qColor(kinetics::core::palette::blue));
    setFontName(fonts::serifGreek);
    setBackColor(RGB(255, 255, 255));
    Timer1.setEnabled(false);
    Timer1.setInterval(1);
    offerPicture(*this);
    setRedraw([this] { drawLattice(); });
}

void antidrasi::setSpotScale(int blockSide)
{
    const Ratios r = screenRatios();
    const int side = std::max(1, blockSide);
    const auto spacing = kinetics::core::spotSpacing(side, r.w, r.h);
    const double across = spacing.x, up = spacing.y;
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
    Timer1.setEnabled(false);
    // The lattice window keeps the interval of the temperature, unused.
    Timer1.setInterval(kinetics::core::chemistryTickInterval(shell::temperature().value()));
}

int antidrasi::layOut(kinetics::core::Grid &grid, double amount)
{
    namespace core = kinetics::core;
    grid = {};
    // The block is always full: no top-up.
    const int placed = core::layOutBlock(grid, amount, 0);
    core::emptyTheRest(grid);
    showLattice(grid, core::blockSideWithin(amount));
    return placed;
}

void antidrasi::showLattice(const kinetics::core::Grid &grid, int blockSide)
{
    m_grid = &grid;
    m_side = blockSide;
    redraw();
}

void antidrasi::drawLattice()
{
    if (!m_grid)
        return;
    setSpotScale(m_side);
    for (int i = 1; i <= kinetics::core::latticeSide; ++i)
        for (int j = 1; j <= kinetics::core::latticeSide; ++j)
            drawSpot(i, j, (*m_grid)[std::size_t(i)][std::size_t(j)], m_side);
}
