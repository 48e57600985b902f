#include "shell/neaepilogi.h"

#include "acids/OXEA1.h"
#include "kinetics/core/Palette.h"
#include "lesson/Model.h"
#include "shell/amfinaioxi.h"
#include "shell/eisagogi.h"
#include "toolkit/Arrows.h"

using namespace toolkit;

neaepilogi::neaepilogi()
    : Form(QStringLiteral("neaepilogi"), tr("NEW CHOICE"), 7800, 6400)
{
    const Font bold12{fonts::serifGreek, 12, true};
    const Font bold10{fonts::serifGreek, 10, true};
    namespace palette = kinetics::core::palette;
    Option1.onToggle([](bool on) { lesson::model().setOneStep(on); });
    design(Option1, {480, 720, 1335, 375}, tr(" 1 step"), bold12).setValue(true);
    design(Option2, {480, 1200, 1455, 615}, tr("2 steps"), bold12);
    design(Shape1, {720, 1920, 255, 255}).setFill(qColor(palette::blue));
    design(Shape2, {2400, 1920, 375, 255}).setFill(qColor(palette::diagramGreen));
    design(Shape3, {4560, 1920, 255, 255}).setFill(qColor(palette::red));
    for (Shape *s : {&Shape1, &Shape2, &Shape3})
        s->setShape(ShapeKind::Circle);
    design(Picture2[0], {1440, 1920, 855, 375});
    design(Picture2[1], {3360, 1920, 855, 375});
    for (int k = 0; k <= 1; ++k) {
        Picture2[k].canvas().setBorder(false);
        Picture2[k].canvas().setPicture(toolkit::arrowPicture);
    }
    design(etiketa1, {600, 2280, 2175, 375}, QStringLiteral(" A                           B"), bold10);
    design(etiketa2, {4440, 2280, 615, 495}, QStringLiteral("C"), bold10).setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    design(Command3, {1680, 4080, 1695, 735}, tr("<Back"), bold12);
    design(Command2, {3360, 4080, 1695, 735}, tr("Next >"), bold12);
    design(Command4, {5760, 4080, 1455, 735}, tr("Exit"), bold12);
    design(ACIDS, {3360, 5040, 1455, 855}, tr("ACID"), bold12);

    Option1.onClick([this] { showSecondStep(false); });
    Option2.onClick([this] { showSecondStep(true); });
    Command2.onClick([] { form<amfinaioxi>().show(); });
    Command3.onClick([] { form<eisagogi>().show(); });
    Command4.onClick([] { endProgram(); });
    ACIDS.onClick([] { form<OXEA1>().show(); });
    Command2.setDefault(true);
    Command3.setCancel(true);
}

void neaepilogi::load()
{
    setLeft(0);
    setTop(0);
    Shape3.hide();
    etiketa2.hide();
    Picture2[1].hide();
}

void neaepilogi::showSecondStep(bool shown)
{
    Picture2[1].setVisible(shown);
    Shape3.setVisible(shown);
    etiketa2.setVisible(shown);
    // A choice of steps starts the second step afresh.
    lesson::model().setReactionBar(3, 0);
    lesson::model().setReactionBar(2, 0);
}
