#include "decay/YPOTHDIASPASI.h"

#include "decay/Buttons.h"
#include "decay/YPOTHDIASPASI1.h"
#include "decay/core/DecayConstants.h"
#include "decay/core/DecaySteps.h"
#include "graphs/Captions.h"
#include "graphs/grafiki1.h"
#include "kinetics/core/Palette.h"
#include "lesson/Model.h"
#include "shell/Quantities.h"
#include "shell/Roads.h"
#include "toolkit/Arrows.h"
#include "toolkit/Quantity.h"

#include <algorithm>

using namespace toolkit;
namespace palette = kinetics::core::palette;

YPOTHDIASPASI::YPOTHDIASPASI()
    : Form(QStringLiteral("YPOTHDIASPASI"), tr("Your Model"), 6825, 4950)
{
    const Font bold12{fonts::serifGreek, 12, true};
    design(Label2, {1560, 4440, 5055, 735}, tr("Choose the number os steps of the decay:"),
           {fonts::serifGreek, 14, true})
        .setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    design(step1, {240, 960, 1335, 375}, tr("1 Step"), bold12);
    design(step2, {240, 1440, 1335, 375}, tr("2 Steps"), bold12);
    design(step3, {240, 2160, 1335, 375}, tr("3 Steps"), bold12);
    design(Option1, {1680, 960, 375, 375});
    design(Option2, {1680, 1440, 375, 375});
    design(Option3, {1680, 2280, 375, 375});
    // The options' captions are the labels beside them.
    Option1.setLabel(step1);
    Option2.setLabel(step2);
    Option3.setLabel(step3);
    for (OptionButton *option : {&Option1, &Option2, &Option3})
        option->onToggle([this](bool) { lesson::model().setDecaySteps(steps()); });
    Option2.setValue(true);

    design(Shape1, {1320, 3000, 255, 255}).setFill(qColor(palette::blue));
    design(Shape2, {1200, 3360, 375, 255}).setFill(qColor(palette::diagramGreen));
    design(Shape3, {1200, 3720, 255, 255}).setFill(qColor(palette::red));
    design(Shape4, {1200, 4200, 255, 255}).setFill(qColor(palette::lightCyan));
    for (Shape *s : {&Shape1, &Shape2, &Shape3, &Shape4})
        s->setShape(ShapeKind::Circle);
    for (int k = 0; k <= 2; ++k) {
        design(Picture2[k], {1440 + 1200.0 * k, 2640, 600, 255});
        Picture2[k].canvas().setBorder(false);
        // The wizard's arrow, kept slim in a box made tall to centre it on
        // the letters.
        Picture2[k].canvas().setPicture([](QPainter &painter, const QRectF &box) {
            const double h = std::min(box.height(), box.width() * 0.22);
            toolkit::arrowPicture(painter, QRectF(box.left(), box.center().y() - h / 2, box.width(), h));
        });
    }
    const Font letter{fonts::serifGreek, 14, true};
    design(Label5[0], {2520, 2040, 375, 255}, letter);
    design(Label5[1], {3720, 2040, 375, 255}, letter);
    design(Label5[2], {2640, 1320, 375, 255}, letter);
    design(Label5[3], {2760, 2400, 375, 255}, letter);

    design(xronosolos, {5040, 2040, 1695, 495}, {20, 1000, 10, 100, 250});
    xronosolos.join(shell::duration());
    design(Label4, {4560, 1440, 1335, 495}, bold12);
    design(mpros, {2760, 5400, 1095, 495}, tr("< Back"), bold12);
    design(mprosta, {4200, 5400, 1575, 495}, tr("Next >"), bold12);
    design(Command1, {6240, 5400, 1215, 495}, tr("Exit"), bold12);

    Option1.onClick([this] { showSteps(1); });
    Option2.onClick([this] { showSteps(2); });
    Option3.onClick([this] { showSteps(3); });
    xronosolos.onChange([this] { xronosolosChange(); });
    mpros.onClick([] { shell::showPage(shell::Page::Choices); });
    mprosta.onClick([this] { next(); });
    Command1.onClick([] { endProgram(); });
    mprosta.setDefault(true);
    mpros.setCancel(true);
    // The diagram of the series is the window's picture, without its
    // buttons and bars.
    offerPicture(*this);
}

void YPOTHDIASPASI::load()
{
    placeFullScreen(*this);
    Label4.setCaption(graphs::durationText(xronosolos.value()));
    showSteps(2);
    form<YPOTHDIASPASI1>().showModelCaptions();

    drawExactSeries();
}

void YPOTHDIASPASI::drawExactSeries()
{
    // The series the page describes, whichever process the lesson has now;
    // the reaction's rate bars take the values the series gives them.
    auto &lesson = lesson::model();
    auto series = lesson.inputs();
    series.process = kinetics::core::ModelCode::DecaySeries;
    if (const auto bars = lesson::core::parameterBarsOf(series))
        for (int step = 0; step < 4; ++step)
            lesson.setReactionBar(step, (*bars)[std::size_t(step)]);
    form<grafiki1>().drawDecaySeries(lesson::core::seriesConstantsOf(series), lesson::core::planOf(series));
}

int YPOTHDIASPASI::steps() const
{
    if (Option1.value())
        return 1;
    if (Option3.value())
        return 3;
    return 2;
}

void YPOTHDIASPASI::showSteps(int steps)
{
    const auto v = decay::core::stepVisibility(steps);
    Shape3.setVisible(v.redCircle);
    Shape4.setVisible(v.cyanCircle);
    Label5[1].setCaption(QStringLiteral("B"));
    if (v.letterC)
        Label5[2].setCaption(QStringLiteral("C"));
    Label5[2].setVisible(v.letterC);
    Label5[3].setVisible(v.letterD);
    Picture2[1].setVisible(v.secondArrow);
    Picture2[2].setVisible(v.thirdArrow);
}

void YPOTHDIASPASI::layOutDiagram()
{
    constexpr double a = 18;
    constexpr double b = 180;
    Shape *circles[] = {&Shape1, &Shape2, &Shape3, &Shape4};
    for (int k = 0; k <= 3; ++k) {
        circles[k]->setLeft(29 + k * a);
        circles[k]->setTop(b - a / 2);
        circles[k]->setWidth(20);
    }
    const char *letters[] = {"A ", "B ", "C ", "D "};
    for (int k = 0; k <= 3; ++k) {
        Label5[k].setTop(b + 3 * a / 4);
        Label5[k].setLeft(circles[k]->left() + a / 2.5);
        Label5[k].setCaption(QLatin1String(letters[k]));
        Label5[k].setHeight(a / 2);
        // Centred over its circle, whose centre is 10 units in.
        Label5[k].setWidth(2 * (10 - a / 2.5));
        Label5[k].setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    // Each part named by what it shows.
    static const char *colours[] = {QT_TR_NOOP("A, the blue spots"), QT_TR_NOOP("B, the green spots"),
                                    QT_TR_NOOP("C, the red spots"), QT_TR_NOOP("D, the cyan spots")};
    for (int k = 0; k <= 3; ++k)
        circles[k]->setName(tr(colours[k]));
    for (int k = 0; k <= 2; ++k)
        Picture2[k].setName(tr("The arrow %1 -> %2").arg(QChar(u'A' + k)).arg(QChar(u'B' + k)));
    for (int k = 0; k <= 2; ++k) {
        Picture2[k].setLeft(Label5[k].left() + 5);
        Picture2[k].setTop(Label5[k].top() + 3);
        // The arrow reaches from beside one letter to just before the next.
        Picture2[k].setWidth(a - 7);
        // Its arrow, drawn across the middle, lines up with the letters.
        Picture2[k].setHeight(2 * (3 + a / 4));
    }
    Label2.setLeft(scaleLeft() + scaleWidth() / 2 - Label2.width() / 2);
    Label2.setTop(scaleTop());

    Option2.setValue(true);

    step1.setTop(Label2.top() - Label2.height());
    step2.setTop(step1.top() - step1.height());
    step3.setTop(step2.top() - step2.height());
    Option1.setTop(step1.top());
    Option2.setTop(step2.top());
    Option3.setTop(step3.top());

    // The duration and the buttons keep their designed places, unless the
    // screen's shape brings them onto the diagram; then they go below it.
    // The diagram is its circles and letters: the arrows are drawn in the
    // letters' row, their boxes reaching above and below it empty.
    QRect diagram;
    for (const Control *c : std::initializer_list<const Control *>{
             &Shape1, &Shape2, &Shape3, &Shape4, &Label5[0], &Label5[1], &Label5[2], &Label5[3]})
        diagram |= c->pixelRect();
    const auto covers = [&diagram](std::initializer_list<const Control *> group) {
        return std::any_of(group.begin(), group.end(),
                           [&diagram](const Control *c) { return c->pixelRect().intersects(diagram); });
    };
    if (covers({&Label4, &xronosolos})) {
        Label4.move(29, 140, 30, 10);
        xronosolos.move(62, 140, 50, 8);
    }
    if (covers({&mpros, &mprosta, &Command1}))
        decay::placeButtons(mpros, mprosta, Command1);
}

void YPOTHDIASPASI::xronosolosChange() { Label4.setCaption(graphs::durationText(xronosolos.value())); }

void YPOTHDIASPASI::next()
{
    form<YPOTHDIASPASI1>().show();
    lesson::model().chooseProcess(kinetics::core::ModelCode::DecaySeries);
}
