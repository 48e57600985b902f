#include "graphs/mathematical.h"

#include "graphs/drawPlotFrame.h"
#include "kinetics/core/Palette.h"
#include "shell/Roads.h"
#include "shell/core/SharedState.h"
#include "toolkit/core/Numeric.h"

using namespace toolkit;
using shell::core::shared;
namespace palette = kinetics::core::palette;

mathematical::mathematical()
    : Form(QStringLiteral("mathematical"), QStringLiteral("Change of Rates"), 6000, 4500)
{
    setBackColor(RGB(255, 255, 255));
    setFontName(fonts::serifGreek);
    grafvcshos.setCaption(QStringLiteral("Graphs of concentrations of products vs initial concentration"));
    design(grafvcshos, {120, 120, 5400, 375});
    grafvcshos.onClick([] { shell::drawSpeciesGraph(); });
    offerPicture(*this);
}

void mathematical::load()
{
    setLeft(0);
    setTop(0);
    setHeightTwips(screenHeight() / 2);
    setWidthTwips(screenWidth() / 2);
    grafvcshos.setVisible(kinetics::core::isAcid(shared().modelCode));
}

void mathematical::showFrame(double duration, double top)
{
    setTop(0);
    setLeft(0);
    show();
    cls();
    scale(0, top, duration, -top);
    const double labelsRight = drawPlotFrame(*this, duration, 0, top, -top);
    line(0, 0, duration, 0, qColor(palette::black));
    line(0, -top, 0, top, qColor(palette::black));

    // The species-graph button in the bottom right corner, where the rates
    // have died away, clear of the value labels on the left.
    const double margin = 120, designedWidth = 5400, height = 375;
    const double client = clientRect().width() * twipsPerPixel();
    const double labels = (labelsRight + 4) * twipsPerPixel();
    const double width = std::min(designedWidth, client - margin - std::max(labels, margin));
    grafvcshos.setTwips(client - margin - width, clientRect().height() * twipsPerPixel() - margin - height, width,
                        height);
}

void mathematical::drawRates(const std::array<const std::vector<double> *, 4> &rates, double step, double duration,
                             double scaleY)
{
    const auto &[a, b, c, d] = rates;
    const int last = toolkit::core::CInt(duration / step) - 1;
    for (int k = 1; k <= last && k * step <= duration; ++k) {
        if (static_cast<std::size_t>(k) + 1 >= a->size())
            break; // past the stored rates: what is drawn stays
        const double t = k * step;
        setDrawWidth(2);
        line(t, (*a)[k] * scaleY, t + step, (*a)[k + 1] * scaleY, qColor(palette::darkBlue));
        line(t, (*b)[k] * scaleY, t + step, (*b)[k + 1] * scaleY, qColor(palette::darkGreen));
        pset(t, (*c)[k] * scaleY, qColor(palette::darkRed));
        pset(t, (*d)[k] * scaleY, qColor(palette::rateCyan));
        setDrawWidth(1);
    }
}
