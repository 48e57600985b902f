#include "decay/Pictures.h"

#include "toolkit/Arrows.h"

#include "toolkit/Fonts.h"
#include "toolkit/Screen.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace decay {

namespace {

struct Nuclide
{
    const char *mass;
    const char *symbol;
    QColor colour;
};

// A nuclide's symbol with its mass number raised before it, starting at x on
// the baseline; returns where it ends.
double drawNuclide(QPainter &p, const Nuclide &n, double x, double baseline, const QFont &big, const QFont &small)
{
    p.setPen(n.colour);
    p.setFont(small);
    const QFontMetricsF ms(small);
    const QFontMetricsF mb(big);
    p.drawText(QPointF(x, baseline - mb.capHeight() + ms.capHeight()), QLatin1String(n.mass));
    x += ms.horizontalAdvance(QLatin1String(n.mass)) + mb.horizontalAdvance(QLatin1Char(' ')) * 0.1;
    p.setFont(big);
    p.drawText(QPointF(x, baseline), QLatin1String(n.symbol));
    return x + mb.horizontalAdvance(QLatin1String(n.symbol));
}

void drawArrow(QPainter &p, double x1, double x2, double y, double head, const QString &kind, const QFont &font)
{
    const QColor ink(40, 40, 40);
    toolkit::drawRightArrow(p, x1, x2, y, head, std::max(1.5, head / 4));
    p.setPen(ink);
    p.setFont(font);
    const QFontMetricsF m(font);
    p.drawText(QPointF((x1 + x2) / 2 - m.horizontalAdvance(kind) / 2, y - head * 0.8), kind);
}

} // namespace

QString nuclideName(int index)
{
    static const char *names[] = {QT_TRANSLATE_NOOP("Pictures", "polonium-218"), QT_TRANSLATE_NOOP("Pictures", "lead-214"),
                                  QT_TRANSLATE_NOOP("Pictures", "bismuth-214"), QT_TRANSLATE_NOOP("Pictures", "lead-210")};
    return QCoreApplication::translate("Pictures", names[std::clamp(index, 0, 3)]);
}

QString seriesBannerText()
{
    return QCoreApplication::translate("Pictures", "Polonium-218 decays by alpha to lead-214, lead-214 by beta to bismuth-214, "
                          "and bismuth-214 by beta and alpha to lead-210.");
}

void seriesBanner(QPainter &painter, const QRectF &box)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const Nuclide series[] = {{"218", "Po", QColor(0, 0, 200)},
                              {"214", "Pb", QColor(0, 140, 0)},
                              {"214", "Bi", QColor(200, 0, 0)},
                              {"210", "Pb", QColor(0, 150, 170)}};
    // Bismuth-214 reaches lead-210 through polonium-214, which lives for a
    // fraction of a millisecond: a beta and an alpha decay in one arrow.
    const QString kinds[] = {QStringLiteral("α"), QStringLiteral("β"), QStringLiteral("β, α")};

    // The symbols take the height of the box, then shrink until the whole
    // series fits its width.
    double size = box.height() * 0.42;
    QFont big = toolkit::makeFont(toolkit::fonts::serif, 12, true, false);
    QFont small = big;
    QFont label = big;
    double arrow = 0;
    double total = 0;
    for (int attempt = 0; attempt < 8; ++attempt) {
        big.setPixelSize(std::max(6, int(size)));
        small.setPixelSize(std::max(5, int(size * 0.55)));
        label.setPixelSize(std::max(5, int(size * 0.6)));
        const QFontMetricsF mb(big), ms(small);
        double symbols = 0;
        for (const Nuclide &n : series)
            symbols += ms.horizontalAdvance(QLatin1String(n.mass)) + mb.horizontalAdvance(QLatin1String(n.symbol));
        arrow = std::max(size * 1.6, QFontMetricsF(label).horizontalAdvance(kinds[2]) * 1.3);
        total = symbols + 3 * (arrow + size * 0.5);
        if (total <= box.width() * 0.94)
            break;
        size *= box.width() * 0.94 / total;
    }
    const double baseline = box.top() + box.height() * 0.72;
    double x = box.left() + (box.width() - total) / 2;
    for (int k = 0; k < 4; ++k) {
        x = drawNuclide(painter, series[k], x, baseline, big, small);
        if (k == 3)
            break;
        const double y = baseline - QFontMetricsF(big).capHeight() / 2;
        drawArrow(painter, x + size * 0.25, x + size * 0.25 + arrow, y, std::max(4.0, size * 0.3), kinds[k], label);
        x += arrow + size * 0.5;
    }
    painter.restore();
}

} // namespace decay
