#include "graphs/ravdogram.h"

#include "shell/Quantities.h"
#include "toolkit/Quantity.h"

#include <algorithm>

using namespace toolkit;
using toolkit::core::Int;

ravdogram::ravdogram()
    : Form(QStringLiteral("ravdogram"), tr("Bars"), 4000, 3600)
{
    setBackColor(RGB(192, 255, 255));
    setFontName(fonts::serifGreek);
    namespace palette = kinetics::core::palette;
    design(Shape1, {360, 1800, 735, 1455}).setFill(qColor(palette::blue));
    design(Shape2, {1080, 1800, 735, 1455}).setFill(qColor(palette::green));
    design(Shape3, {1800, 1800, 735, 1455}).setFill(qColor(palette::red));
    design(Shape4, {2520, 1800, 855, 1455}).setBackOpaque(qColor(palette::lightCyan));
    offerPicture(*this);
}

void ravdogram::load()
{
    setLeft(0);
    setTop(screenHeight() / 2);
    setHeightTwips(screenHeight() / 2);
    setWidthTwips(screenWidth() / 2);
    setTotal(Int(kinetics::core::layoutTarget(shell::amount().value()) + 1));
    cls();
}

void ravdogram::setTotal(double total)
{
    scale(0, kinetics::core::axisTop(total), 100, 0);
    std::fill(std::begin(m_heights), std::end(m_heights), -1); // the bars move with the scale
}

void ravdogram::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    std::fill(std::begin(m_heights), std::end(m_heights), -1);
}

void ravdogram::drawBars(const kinetics::core::Counts &n)
{
    const int counts[] = {n.a, n.b, n.c, n.d};
    Shape *bars[] = {&Shape1, &Shape2, &Shape3, &Shape4};
    for (int k = 0; k < 4; ++k) {
        // top = height: the bar stands on the bottom edge and reaches the count
        const double h = Int(std::max(0, counts[k]));
        if (h != m_heights[k])
            bars[k]->move(10 + 20 * k, h, 20, h);
        m_heights[k] = h;
    }
}
