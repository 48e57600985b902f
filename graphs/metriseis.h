// The measurements window: what the run that ran shows measured from its
// own spots (half-life, constant, equilibrium ratio, B's maximum, an acid's
// percentages), each with its uncertainty, beside the value set and how it
// was read.
#pragma once

#include "graphs/core/Measure.h"
#include "toolkit/Toolkit.h"

#include <vector>

class metriseis final : public toolkit::Form
{
    Q_OBJECT
public:
    metriseis();

    toolkit::Document pinakas{this, QStringLiteral("pinakas")};

    // The figures of the run that runs or ran last: none before the first.
    static std::vector<graphs::core::Measurement> measuredRun();
    // Shows them over the spots window, as they stand now.
    void showMeasurements();
    // The table's rows as text, a row a line, cells between tabs.
    QString plainText() const { return pinakas.plainText(); }

protected:
    void resizeEvent(QResizeEvent *event) override;
};
