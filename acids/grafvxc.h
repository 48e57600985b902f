// The species of an acid against its initial concentration: the percentage
// of c that each of H2A, HA-, A2- and H+ makes up, from 0.01 to 15 mol/L.
#pragma once

#include "toolkit/Toolkit.h"

class grafvxc final : public toolkit::Form
{
    Q_OBJECT
public:
    grafvxc();

    toolkit::CommandButton phshow{this, QStringLiteral("phshow")};

    // Computes and draws the graph for the current acid, in the place of the
    // rates window.
    void drawProductGraph();
    // ln(value) / ln 10.
    static double log10(double value);
    // The largest of the four percentages that the last graph found.
    double maximum() const { return m_maximum; }

private:
    double m_maximum = 0;
};
