// The pH of an acid against its initial concentration, from 0.1 to 15 mol/L.
#pragma once

#include "acids/core/ConcentrationGraphs.h"
#include "kinetics/core/Process.h"
#include "toolkit/Toolkit.h"

#include <vector>

class phform final : public toolkit::Form
{
    Q_OBJECT
public:
    phform();

    // Computes and draws the curve for the current acid, in the place of the
    // species graph it is opened from.
    void drawPhGraph(const toolkit::Form &speciesGraph);
    // The pH values of the last curve, at c = 0.1, 0.2, ..., 15 mol/L.
    const std::vector<double> &pH() const { return m_pH; }

private:
    // In the graph's scale and shown where the species graph is.
    void showOver(const toolkit::Form &speciesGraph);
    // The axes with their ticks, numbers and names, the grid of whole pH
    // values and the acid's name.
    void drawFrame(kinetics::core::ModelCode model);
    // The pH against c, in red; pH() keeps its values.
    void drawCurve(const std::vector<acids::core::PhPoint> &points);
    // The concentration the run was set up with, a line across the curve.
    void drawMarker(double concentration);

    // The graph drawn, from what it is of.
    void drawGraph();

    std::vector<double> m_pH;
    kinetics::core::ModelCode m_model = kinetics::core::ModelCode::Carbonic;
    int m_temperatureC = 25;
    std::vector<acids::core::PhPoint> m_points;
    double m_concentration = 0;
};
