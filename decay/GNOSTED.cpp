#include "decay/GNOSTED.h"

#include "decay/Buttons.h"
#include "decay/Pictures.h"
#include "decay/YPOTHDIASPASI.h"
#include "decay/YPOTHDIASPASI1.h"
#include "decay/core/DecayConstants.h"
#include "decay/core/DecaySteps.h"
#include "graphs/apotelesmata.h"
#include "kinetics/core/Lattice.h"
#include "kinetics/core/Palette.h"
#include "kinetics/core/Process.h"
#include "lesson/Model.h"
#include "shell/Quantities.h"
#include "toolkit/Arrows.h"

#include <QFontMetricsF>

#include <algorithm>

using namespace toolkit;
using kinetics::core::ModelCode;
using decay::core::workedHalfLives;
namespace palette = kinetics::core::palette;

GNOSTED::GNOSTED()
    : Form(QStringLiteral("GNOSTED"), tr("Example of Radioactive Reaction"), 9600, 7200)
{
    // The places of the diagram's controls are set at start-up, in the
    // window's scale; only their sizes are designed.
    const Font bold12{fonts::serifGreek, 12, true};
    design(HScroll1, {2, 44, 2, 10, 25});
    design(xronosolos, {20, 1000, 10, 100, 150});
    design(mprosta, tr("Next >"), bold12);
    design(mpros, tr("< Back"), bold12);
    design(Command1, tr("Exit"), bold12);
    design(Label2, tr("You can change the number of the atoms N of the Po   :"), bold12);
    design(Label4, tr("Number  of atoms of Po"), bold12);
    design(Label3, tr("Duration of the run:"), bold12);
    const char *massNumbers[] = {"218", "218", "218", "214", "214", "210"};
    for (int k = 0; k <= 5; ++k)
        design(Label1[k], {0, 0, 450, 240}, QLatin1String(massNumbers[k]), {fonts::sans, 8, true});
    // Elements 0 and 1 belong to the banner, which writes its own numbers.
    Label1[0].hide();
    Label1[1].hide();
    for (Label *l : {&etiketa1, &etiketa2, &etiketa3, &etiketa4})
        design(*l, {0, 0, 2400, 330}, {fonts::sans, 10, true});

    const kinetics::core::Rgb fills[] = {palette::blue, palette::diagramGreen, palette::red, palette::lightCyan};
    Shape *circles[] = {&Shape1, &Shape2, &Shape3, &Shape4};
    for (int k = 0; k <= 3; ++k) {
        design(*circles[k], {0, 0, 375, 375}).setFill(qColor(fills[k]));
        circles[k]->setShape(ShapeKind::Circle);
        circles[k]->setBorder(RGB(0, 0, 0), 1);
    }
    for (int k = 0; k <= 2; ++k) {
        design(Picture2[k], {0, 0, 600, 300});
        Picture2[k].canvas().setBorder(false);
        Picture2[k].canvas().setPicture(toolkit::arrowPicture);
    }
    design(Picture1, {0, 0, 7200, 1200});
    Picture1.canvas().setBorder(false);
    Picture1.canvas().setBackColor(RGB(255, 255, 255));
    Picture1.canvas().setPicture(decay::seriesBanner);
    Picture1.canvas().setDescription(decay::seriesBannerText());
    offerPicture(Picture1.canvas());
    // A mass number is read with its element.
    for (int k = 2; k <= 5; ++k)
        Label1[k].setSpokenName(decay::nuclideName(k - 2));

    HScroll1.join(shell::amount());
    xronosolos.join(shell::duration());
    HScroll1.onChange([this] { HScroll1Change(); });
    mprosta.onClick([this] { next(); });
    mpros.onClick([this] {
        form<YPOTHDIASPASI>().show();
        hide();
    });
    Command1.onClick([] { endProgram(); });
    mprosta.setDefault(true);
    mpros.setCancel(true);
}

QString GNOSTED::atomsText() const
{
    return tr("Number of atoms of Po       = ") + Format(kinetics::core::layoutTarget(HScroll1.value()), "0");
}

void GNOSTED::load()
{
    placeFullScreen(*this);
    scale(0, 250, 150, 0);
    xronosolos.setValue(150);
    Label4.setCaption(atomsText());
    Picture1.setLeft(15);
    Picture1.setTop(250);
    Picture1.setWidth(120);
    Picture1.setHeight(40);

    // The controls below the diagram, in the window's scale.
    Label2.move(15, 125, 120, 10);
    Label4.move(15, 108, 62, 10);
    HScroll1.move(80, 108, 55, 8);
    Label3.move(15, 93, 62, 10);
    xronosolos.move(80, 93, 55, 8);
    decay::placeButtons(mpros, mprosta, Command1);
}

void GNOSTED::layOutDiagram()
{
    Shape *circles[] = {&Shape1, &Shape2, &Shape3, &Shape4};
    for (int k = 0; k <= 3; ++k)
        circles[k]->setName(decay::nuclideName(k));
    for (int k = 0; k <= 2; ++k)
        Picture2[k].setName(tr("The arrow %1 -> %2").arg(decay::nuclideName(k), decay::nuclideName(k + 1)));
    Label *halfLives[] = {&etiketa1, &etiketa2, &etiketa3, &etiketa4};
    for (int k = 0; k <= 3; ++k) {
        circles[k]->setLeft(20 + 30 * k);
        circles[k]->setTop(170);
        circles[k]->setWidth(20);
    }
    for (int k = 0; k <= 2; ++k) {
        Picture2[k].setLeft(45 + 30 * k);
        Picture2[k].setTop(172);
        // Between two circles, whatever the screen's shape.
        Picture2[k].setWidth(5);
    }
    etiketa1.setWidth(29);
    etiketa2.setWidth(29);
    etiketa3.setWidth(29);
    etiketa4.setWidth(1.5 * 29);

    const QString captions[] = {
        tr("Half Life for Po=") + Format(workedHalfLives[0], "0.00") + tr(" min"),
        tr("Half Life for Pb=") + Format(workedHalfLives[1], "0.00") + tr(" min"),
        tr("Half Life for Bi=") + Format(workedHalfLives[2], "0.00") + tr(" min"),
        tr("Half Life for Pb  is 22 years"),
    };
    // One size for the four captions: the largest up to 14 points at which
    // each fits its box whole and the text before the nuclide's symbol ends
    // where its mass number begins, so the number reads as the symbol's
    // superscript. Small sizes are hinted wider than they scale, so each
    // size is measured.
    const QString lead = tr("Half Life for ");
    const double air = widthFromTwips(2 * twipsPerPixel());
    const auto units = [&](double points, const QString &text) {
        const QFontMetricsF metrics(makeFont(etiketa1.fontName(), points, true, false));
        return widthFromTwips(metrics.horizontalAdvance(text) * twipsPerPixel());
    };
    const auto fits = [&](double points) {
        if (units(points, lead) > 15.5)
            return false;
        for (int k = 0; k <= 3; ++k)
            if (units(points, captions[k]) > halfLives[k]->width() - air)
                return false;
        return true;
    };
    double points = 14;
    while (points > readableFloorPoints && !fits(points))
        points -= 0.25;
    for (int k = 0; k <= 3; ++k) {
        halfLives[k]->setTop(circles[k]->top() - 20);
        halfLives[k]->setLeft(circles[k]->left());
        halfLives[k]->setFontSize(points);
        halfLives[k]->setCaption(captions[k]);
        Label &mass = Label1[k + 2];
        mass.setLeft(halfLives[k]->left() + units(points, lead));
        mass.setHeight(6);
        mass.setTop(halfLives[k]->top() + 4.9);
        mass.setFontSize(std::max(readableFloorPoints, points * 0.7));
    }
}

void GNOSTED::HScroll1Change() { Label4.setCaption(atomsText()); }

void GNOSTED::next()
{
    lesson::model().chooseProcess(ModelCode::DecayExample);
    form<YPOTHDIASPASI1>().showWorkedHalfLives();
    etiketa1.setCaption(tr("Half Life1=") + Format(workedHalfLives[0], "0.00"));
    etiketa2.setCaption(tr("Half Life2=") + Format(workedHalfLives[1], "0.00"));
    etiketa3.setCaption(tr("Half Life=") + Format(workedHalfLives[2], "0.00"));
    form<apotelesmata>().prepareRun();
}
