#include "shell/eisodos.h"

#include "shell/eisagogi.h"

using namespace toolkit;

eisodos::eisodos()
    : Form(QStringLiteral("eisodos"), QStringLiteral("spotsim"), 7500, 6100)
{
    setBackColor(RGB(255, 255, 224));
    const Font text{fonts::serifGreek, 12};
    design(Text1[0], {240, 240, 6855, 975}, text).setAlignment(Qt::AlignCenter);
    design(Text1[1], {240, 1200, 6855, 585}, text).setAlignment(Qt::AlignCenter);
    design(Text1[2], {240, 1680, 6855, 900}, text).setAlignment(Qt::AlignCenter);
    design(Text2, {600, 2880, 6135, 615}, text).setAlignment(Qt::AlignCenter);
    design(Command1, {2160, 3720, 3255, 975}, tr("Start"), {fonts::serifGreek, 26.25});
    design(Command2, {5520, 5160, 1575, 495}, tr("Exit"), {fonts::serifGreek, 15.75});
    for (LineControl *line : {&Line1, &Line2, &Line3, &Line4})
        line->setBorder(RGB(255, 0, 0), 6);

    Command1.onClick([] { form<eisagogi>().show(); });
    Command2.onClick([] { endProgram(); });
    Command1.setDefault(true);
}

void eisodos::load()
{
    setWidthTwips(screenWidth());
    setHeightTwips(screenHeight());
    setTop(0);
    setLeft(0);
    scale(0, 250, 150, 0);

    const QString &serif = fonts::serifGreek;
    Text1[0].setFont(serif, 20, true);
    Text1[0].setWidth(120);
    Text1[0].setLeft(15);
    Text1[0].setText(tr("KINETICS of CHEMICAL REACTIONS"));
    Text1[1].setWidth(120);
    Text1[1].setLeft(15);
    Text1[1].setFont(serif, 20, true);
    Text1[1].setText(tr("and"));
    Text1[2].setWidth(120);
    Text1[2].setLeft(15);
    Text1[2].setFont(serif, 20, true);
    Text1[2].setText(tr(" RADIOACTIVE DECAYS"));
    Text2.setWidth(70);
    Text2.setLeft(35);
    Text2.setFont(serif, 16, true);
    Text2.setText(tr("by the spotsim developers"));

    // A red frame from the top of the first text to the bottom of the third;
    // in the upward scale T - H is a box's lower edge.
    auto T = [this](int k) { return Text1[k].top(); };
    auto L = [this](int k) { return Text1[k].left(); };
    auto W = [this](int k) { return Text1[k].width(); };
    auto H = [this](int k) { return Text1[k].height(); };
    Line1.setPoints(L(0), T(0), L(0), T(2) - H(2));
    Line2.setPoints(L(0) + W(0), T(0), L(0) + W(0), T(2) - H(2));
    Line3.setPoints(L(0), T(0), L(0) + W(0), T(0));
    Line4.setPoints(L(2), T(2) - H(2), L(2) + W(2), T(2) - H(2));
}
