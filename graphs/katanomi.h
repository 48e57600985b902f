// The distribution of the copies of a repeated run: how many copies ended a
// tick with each count of a kind, against the spread the event rule
// predicts, and for a decay how the copies' half-lives of A spread.
#pragma once

#include "graphs/core/Histogram.h"
#include "kinetics/core/Ensemble.h"
#include "kinetics/core/EventRule.h"
#include "toolkit/Toolkit.h"

#include <memory>
#include <vector>

class katanomi final : public toolkit::Form
{
    Q_OBJECT
public:
    katanomi();

    // A, B, C, D, then the half-life of A.
    toolkit::ControlArray<toolkit::OptionButton> eidos{this, QStringLiteral("eidos"), 5};
    toolkit::Label Label1{this, QStringLiteral("Label1")};
    toolkit::ScrollBar xronos{Qt::Horizontal, this, QStringLiteral("xronos")};
    toolkit::Label Label2{this, QStringLiteral("Label2")};

    // Shows the copies of a run, at the run's end; `previous` are the copies
    // made before them of the same run, whose mean is set beside theirs.
    void showCopies(std::shared_ptr<const kinetics::core::EnsembleStats> stats,
                    std::shared_ptr<const kinetics::core::EnsembleStats> previous);
    // The histogram drawn, as the bars and lines stand.
    const graphs::core::Histogram &histogram() const { return m_histogram; }
    // The one shown: a kind (0 to 3) or the half-life of A (4).
    int shown() const { return m_shown; }

private:
    void choose(int shown);
    void drawHistogram();
    // The numbers the picture states, in the order printed.
    QStringList statements() const;

    std::shared_ptr<const kinetics::core::EnsembleStats> m_stats, m_previous;
    std::vector<kinetics::core::CountMoments> m_exact; // the event rule's, a tick each
    graphs::core::Histogram m_histogram;
    int m_shown = 0;
};
