// The ways between windows that do not know one another: the run windows
// reach the chapters' windows through these, and the chapters the wizard's
// pages. The program puts them together in Roads.cpp, where every window is
// known.
#pragma once

#include "kinetics/core/Lattice.h"
#include "kinetics/core/Process.h"

namespace graphs {
class SpotWindow;
}
namespace toolkit {
class Form;
}

namespace shell {

// The window that shows the lattice of a run.
graphs::SpotWindow &spotWindow();
// "New Adjustment of the parameters": the parameters of the reaction (and
// acids), or of a decay series.
void showParameters(bool chemistry);
// "Preset Parameteres     An Example": the carbonic acid after "Chemical
// Reactions", else the polonium series, whose duration becomes 75.
void showExample(bool chemistry);
// The species and pH graphs of an acid, hidden when a new run starts.
void hideAcidGraphs();
// The species graph of the acid of the last run.
void drawSpeciesGraph();
// The spots and the bars show a lattice that is not the run's own (the last
// copy of a repeated run), and what they tell a listener follows.
void showLastCopy(const kinetics::core::Grid &cells, int blockSide, const kinetics::core::Counts &counts);
// The notes, over the given window and as large.
void showNotes(const toolkit::Form &over);

// The wizard's option buttons as a chapter's run sets them: True runs the
// option's click handler and clears the others of its page.
enum class WizardOption { OneStep, TwoSteps, Reversible, NonReversible };
void setWizardOption(WizardOption option, bool value);

// The wizard's pages as the chapters lead back to them.
enum class Page { Choices, Steps, Reversibility, DecayModel };
void showPage(Page page);

} // namespace shell
