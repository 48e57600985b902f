// The texts built from a value that windows show: each is built here once,
// whichever window shows it.
#pragma once

#include "kinetics/core/Lattice.h"
#include "kinetics/core/Run.h"
#include "kinetics/core/RunSetup.h"

#include <QString>

namespace graphs {

// "Temperature  = 25°C"
QString temperatureText(int celsius);
// "25°C"
QString celsiusText(int celsius);
// "Duration = 250", with the value after `gap` spaces (three on the acid
// examples' first state).
QString durationText(int duration, int gap = 1);
// A concentration bar's value in mol/L, "0.15   mol/L", with the unit after
// `gap` spaces: three on the parameters and run control windows, two in the
// parameters window's first state, one on the carbonic acid page.
QString concentrationText(int hundredths, int gap = 3);
// "Number of Atoms = 94": the sites an amount bar's percentage stands for.
QString atomsText(int amount);
// What a run's amount reads on the run control: its concentration, or the
// atoms of a decay.
QString amountText(const kinetics::core::RunSetup &setup);
// The hidden rate label `step` (0..3) of the run control: "KA->B =5.00E-01"
// for chemistry, "K1= 2.27e-01" and "K2= 0.03" for the steps of a decay.
QString rateLabelText(const kinetics::core::RunSetup &setup, int step);
// The label under step i (0..2) of a decay series in the run control's list.
QString seriesStepLabel(int i);
// "144 blue A, 0 green B, 0 red C, 0 cyan D": what the spots and bars tell
// a listener.
QString countsText(const kinetics::core::Counts &counts);
// What a listener hears of the graph of a run's amounts against time: which
// axis is which and how far each runs, which colour is which kind (the
// points, and the smooth curves once they are drawn), and the latest counts
// of the run's kinds.
QString graphText(const kinetics::core::RunSetup &setup, const kinetics::core::TickCounts &latest, bool smoothCurves);
// "At time 120: A 0.052 mol/L; B 0.090 mol/L; C 0.058 mol/L.", in the
// graph's value unit.
QString amountsAt(const kinetics::core::RunSetup &setup, const kinetics::core::TickCounts &latest);

} // namespace graphs
