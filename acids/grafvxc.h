// The species of an acid against its initial concentration: the percentage
// of c that each of H2A, HA-, A2- and H+ makes up, from 0.01 to 15 mol/L.
#pragma once

#include "acids/core/ConcentrationGraphs.h"
#include "toolkit/Toolkit.h"

#include <optional>

class grafvxc final : public toolkit::Form
{
    Q_OBJECT
public:
    grafvxc();

    toolkit::CommandButton phshow{this, QStringLiteral("phshow")};

    // Computes and draws the graph for the current acid, in the place of the
    // rates window.
    void drawProductGraph();
    // The largest of the four percentages that the last graph found.
    double maximum() const { return m_maximum; }

private:
    // The axes, the grid and their numbers, the acid's name and maximum.
    void drawFrame();
    void drawCurves(const acids::core::ProductGraph &graph);
    // Which curve is which.
    void drawLegend();

    // The graph drawn, from what it is of.
    void drawGraph();

    double m_maximum = 0;
    kinetics::core::ModelCode m_model = kinetics::core::ModelCode::Carbonic;
    std::optional<acids::core::ProductGraph> m_graph;
    double m_concentration = 0;
};
