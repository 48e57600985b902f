#include "shell/Roads.h"

#include "acids/CARBONIC.h"
#include "acids/grafvxc.h"
#include "acids/phform.h"
#include "decay/GNOSTED.h"
#include "decay/YPOTHDIASPASI.h"
#include "graphs/apotelesmata.h"
#include "kinetics/YPOTHETIKES.h"
#include "kinetics/antidrasi.h"
#include "lesson/Model.h"
#include "shell/Simiosi.h"
#include "shell/amfinaioxi.h"
#include "shell/eisagogi.h"
#include "shell/neaepilogi.h"

using toolkit::form;

namespace shell {

graphs::SpotWindow &spotWindow() { return form<antidrasi>(); }


void showParameters(bool chemistry)
{
    if (chemistry)
        form<YPOTHETIKES>().show();
    else
        form<YPOTHDIASPASI>().show();
}

void showExample(bool chemistry)
{
    if (chemistry) {
        form<CARBONIC>().show();
        return;
    }
    auto &example = form<GNOSTED>();
    example.show();
    example.xronosolos.setValue(75);
}

void hideAcidGraphs()
{
    form<grafvxc>().hide();
    form<phform>().hide();
}

void drawSpeciesGraph() { form<grafvxc>().drawProductGraph(); }

void showLastCopy(const kinetics::core::Grid &cells, int blockSide, const kinetics::core::Counts &counts)
{
    spotWindow().showLattice(cells, blockSide);
    form<apotelesmata>().showCounts(lesson::model().run().setup(), counts);
}

void showNotes(const toolkit::Form &over)
{
    auto &note = form<Simiosi>();
    note.placeOver(over);
    note.show();
}

void setWizardOption(WizardOption option, bool value)
{
    switch (option) {
    case WizardOption::OneStep:
        form<neaepilogi>().Option1.setValue(value);
        break;
    case WizardOption::TwoSteps:
        form<neaepilogi>().Option2.setValue(value);
        break;
    case WizardOption::Reversible:
        form<amfinaioxi>().reversibleyes.setValue(value);
        break;
    case WizardOption::NonReversible:
        form<amfinaioxi>().reversibleno.setValue(value);
        break;
    }
}

void showPage(Page page)
{
    switch (page) {
    case Page::Choices:
        form<eisagogi>().show();
        break;
    case Page::Steps:
        form<neaepilogi>().show();
        break;
    case Page::Reversibility:
        form<amfinaioxi>().show();
        break;
    case Page::DecayModel:
        form<YPOTHDIASPASI>().show();
        break;
    }
}

} // namespace shell
