#include "shell/Simiosi.h"

using namespace toolkit;

Simiosi::Simiosi()
    : Form(QStringLiteral("Simiosi"), tr("Notes"), 6585, 4560)
{
    OLE2.setTwips(0, 0, 6375, 4575);
    OLE2.setHtml(tr(
        "<div style='font-family: DejaVu Serif; font-size: 11pt;'>"
        "<p>The <b>rate constant</b> <i>k</i> relates the rate of a reaction to the concentration of its "
        "reactants at a given temperature.</p>"
        "<p>In a reaction where a substance A is transformed into B and the rate depends only on the "
        "concentration of A (a first-order reaction), the rate is</p>"
        "<p align='center'>Rate = <i>k</i> [A] &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;(1)</p>"
        "<p>where <i>k</i> is expressed in sec<sup>&minus;1</sup>.</p>"
        "<p>Putting [A] = 1 in equation (1) gives <i>k</i> = Rate, so <i>k</i> expresses how fast A is "
        "transformed into B.</p>"
        "<p>The graph you have obtained comes from random transformations of a small number of reactants. "
        "The &ldquo;optimization&rdquo; button simulates the process for a very large number of reactants, "
        "which is the same as averaging the first process many times.</p>"
        "<p>The &ldquo;change of rate&rdquo; button gives another graph: the rate of the reaction against "
        "time.</p></div>"));
}

void Simiosi::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    // The note fills the window's client area; the window takes the run
    // control window's size, frame included.
    OLE2.setTwips(0, 0, width() * twipsPerPixel(), height() * twipsPerPixel());
}
