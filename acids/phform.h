// The pH of an acid against its initial concentration, from 0.1 to 15 mol/L.
#pragma once

#include "toolkit/Toolkit.h"

#include <vector>

class phform final : public toolkit::Form
{
    Q_OBJECT
public:
    phform();

    // Computes and draws the curve for the current acid, in the place of the
    // product graph.
    void drawPhGraph();
    // The pH values of the last curve, at c = 0.1, 0.2, ..., 15 mol/L.
    const std::vector<double> &pH() const { return m_pH; }

private:
    std::vector<double> m_pH;
};
