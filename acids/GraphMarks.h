// What both concentration graphs share: the acid's name, the concentration
// the run was set up with, and the colours that only these graphs use.
#pragma once

#include "kinetics/core/Process.h"

#include <QColor>
#include <QString>

namespace acids {

// The concentration of the acid's run in mol/L: its amount / 100.
double chosenConcentration();

// The acid's name as each graph prints it; empty for a code that is no acid.
enum class Graph { Species, Ph };
QString graphName(kinetics::core::ModelCode code, Graph graph);

// The marker of the chosen concentration, and the other colours of the graphs.
inline const QColor markerColour{255, 0, 255};
inline const QColor hydrogenColour{255, 255, 0};
inline const QColor productGridColour{150, 100, 200};
inline const QColor phGridColour{150, 150, 150};

} // namespace acids
