// The rates window: how fast each kind changes during the run.
#include "graphs/mathematical.h"

#include "shell/Roads.h"
#include "shell/core/SharedState.h"

using namespace toolkit;
using shell::core::shared;

mathematical::mathematical()
    : Form(QStringLiteral("mathematical"), 6000, 4500)
{
    setCaption(QStringLiteral("Change of Rates"));
    setBackColor(RGB(255, 255, 255));
    setFontName(fonts::serifGreek);
    grafvcshos.setCaption(QStringLiteral("Graphs of concentrations of products vs initial concentration"));
    grafvcshos.setTwips(120, 120, 5400, 375);
    grafvcshos.onClick([] { shell::drawSpeciesGraph(); });
}

void mathematical::load()
{
    setLeft(0);
    setTop(0);
    setHeightTwips(screenHeight() / 2);
    setWidthTwips(screenWidth() / 2);
    grafvcshos.setVisible(kinetics::core::isAcid(shared().modelCode));
}
