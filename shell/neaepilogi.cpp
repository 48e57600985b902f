// The first wizard page: one step (A -> B) or two (A -> B -> C), or the acids.
#include "shell/neaepilogi.h"

#include "acids/OXEA1.h"
#include "kinetics/YPOTHETIKES.h"
#include "toolkit/Arrows.h"
#include "shell/amfinaioxi.h"
#include "kinetics/core/Palette.h"
#include "shell/core/SharedState.h"
#include "shell/eisagogi.h"

using namespace toolkit;

neaepilogi::neaepilogi()
    : Form(QStringLiteral("neaepilogi"), 7800, 6400)
{
    setCaption(QStringLiteral("NEW CHOICE"));
    const QString &serif = fonts::serifGreek;
    Option1.onToggle([](bool on) { shell::core::shared().choices.oneStep = on; });
    Option1.setTwips(480, 720, 1335, 375);
    Option1.setCaption(QStringLiteral(" 1 step"));
    Option1.setFont(serif, 12, true);
    Option1.setValue(true);
    Option2.setTwips(480, 1200, 1455, 615);
    Option2.setCaption(QStringLiteral("2 steps"));
    Option2.setFont(serif, 12, true);

    Shape1.setTwips(720, 1920, 255, 255);
    Shape2.setTwips(2400, 1920, 375, 255);
    Shape3.setTwips(4560, 1920, 255, 255);
    namespace palette = kinetics::core::palette;
    Shape1.setFill(qColor(palette::blue));
    Shape2.setFill(qColor(palette::diagramGreen));
    Shape3.setFill(qColor(palette::red));
    for (Shape *s : {&Shape1, &Shape2, &Shape3})
        s->setShape(ShapeKind::Circle);
    Picture2[0].setTwips(1440, 1920, 855, 375);
    Picture2[1].setTwips(3360, 1920, 855, 375);
    for (int k = 0; k <= 1; ++k) {
        Picture2[k].canvas().setBorder(false);
        Picture2[k].canvas().setPicture(toolkit::arrowPicture);
    }
    etiketa1.setTwips(600, 2280, 2175, 375);
    etiketa1.setCaption(QStringLiteral(" A                           B"));
    etiketa1.setFont(serif, 10, true);
    etiketa2.setTwips(4440, 2280, 615, 495);
    etiketa2.setCaption(QStringLiteral("C"));
    etiketa2.setFont(serif, 10, true);
    etiketa2.setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Command3.setTwips(1680, 4080, 1695, 735);
    Command3.setCaption(QStringLiteral("<Back"));
    Command2.setTwips(3360, 4080, 1695, 735);
    Command2.setCaption(QStringLiteral("Next >"));
    Command4.setTwips(5760, 4080, 1455, 735);
    Command4.setCaption(QStringLiteral("Exit"));
    ACIDS.setTwips(3360, 5040, 1455, 855);
    ACIDS.setCaption(QStringLiteral("ACID"));
    for (CommandButton *b : {&Command3, &Command2, &Command4, &ACIDS})
        b->setFont(serif, 12, true);

    Option1.onClick([this] { oneStep(); });
    Option2.onClick([this] { twoSteps(); });
    Command2.onClick([this] { next(); });
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

void neaepilogi::oneStep()
{
    Picture2[1].hide();
    Shape3.hide();
    auto &p = form<YPOTHETIKES>();
    p.kokkina.hide();
    p.kokkinaprasina.setValue(0);
    p.kokkina.setValue(0);
    etiketa2.hide();
}

void neaepilogi::twoSteps()
{
    Picture2[1].show();
    Shape3.show();
    auto &p = form<YPOTHETIKES>();
    p.kokkina.show();
    p.kokkinaprasina.setValue(0);
    p.kokkina.setValue(0);
    etiketa2.show();
}

void neaepilogi::next()
{
    form<amfinaioxi>().show();
    auto &p = form<YPOTHETIKES>();
    const bool two = !Option1.value();
    p.kokkina.setVisible(two);
    p.kokkinaprasina.setVisible(two);
    p.Label1[0].setVisible(two);
    p.Label1[1].setVisible(two);
    p.Label6[0].setVisible(two);
    p.Label6[1].setVisible(two);
}
