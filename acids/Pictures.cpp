#include "acids/Pictures.h"

#include "kinetics/core/Palette.h"
#include "toolkit/Colours.h"
#include "toolkit/Fonts.h"
#include "toolkit/Screen.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <vector>

namespace acids {

namespace {

namespace palette = kinetics::core::palette;

// A piece of a formula: plain text, a subscript or a superscript.
enum class Place { Base, Sub, Sup };
struct Piece
{
    QString text;
    Place place = Place::Base;
};
using Formula = std::vector<Piece>;

Piece base(const char *t) { return {QString::fromUtf8(t), Place::Base}; }
Piece sub(const char *t) { return {QString::fromUtf8(t), Place::Sub}; }
Piece sup(const char *t) { return {QString::fromUtf8(t), Place::Sup}; }

QFont smallFont(const QFont &font)
{
    QFont f = font;
    f.setPixelSize(std::max(5, int(font.pixelSize() * 0.62 + 0.5)));
    return f;
}

double formulaWidth(const Formula &formula, const QFont &font)
{
    const QFontMetricsF big(font), small(smallFont(font));
    double w = 0;
    for (const Piece &p : formula)
        w += (p.place == Place::Base ? big : small).horizontalAdvance(p.text);
    return w;
}

// Draws a formula with its baseline at y, starting at x; returns its width.
double drawFormula(QPainter &painter, const Formula &formula, double x, double y, const QFont &font)
{
    const QFontMetricsF big(font);
    const QFont little = smallFont(font);
    const QFontMetricsF small(little);
    const double start = x;
    for (const Piece &p : formula) {
        if (p.place == Place::Base) {
            painter.setFont(font);
            painter.drawText(QPointF(x, y), p.text);
            x += big.horizontalAdvance(p.text);
        } else {
            painter.setFont(little);
            const double shift = p.place == Place::Sub ? 0.28 * big.ascent() : -0.45 * big.ascent();
            painter.drawText(QPointF(x, y + shift), p.text);
            x += small.horizontalAdvance(p.text);
        }
    }
    return x - start;
}

// A reversible arrow: a half-headed arrow to the bottom beside one to the top.
void drawEquilibriumArrow(QPainter &painter, double x, double top, double bottom, double size)
{
    QPen pen(QColor(40, 40, 40), std::max(1.2, size / 9));
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const double gap = size * 0.22;
    const double head = size * 0.45;
    painter.drawLine(QPointF(x - gap, top), QPointF(x - gap, bottom));
    painter.drawLine(QPointF(x - gap, bottom), QPointF(x - gap - head * 0.6, bottom - head));
    painter.drawLine(QPointF(x + gap, bottom), QPointF(x + gap, top));
    painter.drawLine(QPointF(x + gap, top), QPointF(x + gap + head * 0.6, top + head));
}

// Where the picture is laid out: its centre line, its top and its unit, a
// tenth of the width or a nineteenth of the height.
struct Layout
{
    QRectF box;
    double unit = 0, cx = 0, top = 0;
    QFont font;
};

void drawTitle(QPainter &painter, const Layout &l)
{
    QFont title = l.font;
    title.setBold(true);
    title.setPixelSize(std::max(6, int(l.unit * 1.0)));
    painter.setFont(title);
    const QString t = QCoreApplication::translate("Pictures", "Carbonic acid in water");
    painter.drawText(QPointF(l.cx - QFontMetricsF(title).horizontalAdvance(t) / 2, l.top + 1.3 * l.unit), t);
}

// The three species, each with its spot's colour, and the equilibria between
// them with their constants.
void drawSpecies(QPainter &painter, const Layout &l)
{
    const double unit = l.unit;
    const struct
    {
        Formula formula;
        toolkit::core::Rgb colour;
    } rows[] = {
        {{base("H"), sub("2"), base("CO"), sub("3")}, palette::blue},
        {{base("H"), sup("+"), base(" + HCO"), sub("3"), sup("\u2212")}, palette::green},
        {{base("2H"), sup("+"), base(" + CO"), sub("3"), sup("2\u2212")}, palette::red},
    };
    const Formula constants[] = {
        {base("K"), sub("a1")},
        {base("K"), sub("a2")},
    };
    const double rowY[] = {l.top + 3.4 * unit, l.top + 7.4 * unit, l.top + 11.4 * unit};
    double widest = 0;
    for (const auto &r : rows)
        widest = std::max(widest, formulaWidth(r.formula, l.font));
    const double spotX = std::max(l.box.left() + 0.8 * unit, l.cx - widest / 2 - 1.2 * unit);
    for (int r = 0; r < 3; ++r) {
        const double y = rowY[r];
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(toolkit::qColor(rows[r].colour));
        painter.drawEllipse(QPointF(spotX, y - 0.3 * unit), 0.45 * unit, 0.45 * unit);
        painter.setPen(Qt::black);
        const double w = formulaWidth(rows[r].formula, l.font);
        drawFormula(painter, rows[r].formula, l.cx - w / 2, y, l.font);
        if (r < 2) {
            drawEquilibriumArrow(painter, l.cx, y + 0.8 * unit, rowY[r + 1] - 1.3 * unit, unit);
            painter.setPen(Qt::black);
            drawFormula(painter, constants[r], l.cx + 0.8 * unit, (y + rowY[r + 1]) / 2 - 0.1 * unit, l.font);
        }
    }
}

// The two constants as ratios of the concentrations at equilibrium, and
// which spot is which.
void drawConstants(QPainter &painter, const Layout &l)
{
    QFont small = l.font;
    small.setPixelSize(std::max(6, int(l.unit * 0.72)));
    const Formula ka1 = {base("K"), sub("a1"), base(" = [H"), sup("+"), base("][HCO"), sub("3"), sup("\u2212"),
                         base("] / [H"), sub("2"), base("CO"), sub("3"), base("]")};
    const Formula ka2 = {base("K"), sub("a2"), base(" = [H"), sup("+"), base("][CO"), sub("3"), sup("2\u2212"),
                         base("] / [HCO"), sub("3"), sup("\u2212"), base("]")};
    painter.setPen(Qt::black);
    for (const auto &[formula, y] : {std::pair{&ka1, l.top + 14.6 * l.unit}, std::pair{&ka2, l.top + 16.4 * l.unit}}) {
        const double w = formulaWidth(*formula, small);
        drawFormula(painter, *formula, l.cx - std::min(w, l.box.width() * 0.96) / 2, y, small);
    }
    painter.setPen(QColor(70, 70, 70));
    QFont note = small;
    note.setItalic(true);
    painter.setFont(note);
    const QString legend = QCoreApplication::translate("Pictures", "blue: H₂CO₃   green: HCO₃⁻   red: CO₃²⁻");
    const double lw = QFontMetricsF(note).horizontalAdvance(legend);
    painter.drawText(QPointF(l.cx - std::min(lw, l.box.width() * 0.96) / 2, l.top + 18.3 * l.unit), legend);
}

} // namespace

QString carbonicPictureText()
{
    return QCoreApplication::translate("Pictures", "Carbonic acid in water: H2CO3, the blue spot, is in equilibrium (Ka1) with H+ + HCO3-, "
                          "the green spot, which is in equilibrium (Ka2) with 2H+ + CO3 2-, the red spot. "
                          "Ka1 = [H+][HCO3-] / [H2CO3]; Ka2 = [H+][CO3 2-] / [HCO3-].");
}

void carbonicPicture(QPainter &painter, const QRectF &box)
{
    painter.fillRect(box, Qt::white);
    Layout l;
    l.box = box;
    l.unit = std::min(box.width() / 10, box.height() / 19);
    if (l.unit <= 0)
        return;
    l.font = QFont(toolkit::fontFamily(toolkit::fonts::serifGreek));
    l.font.setPixelSize(std::max(6, int(l.unit * 0.9)));
    l.cx = box.center().x();
    l.top = box.top() + (box.height() - 19 * l.unit) / 2;
    painter.setPen(Qt::black);
    drawTitle(painter, l);
    drawSpecies(painter, l);
    drawConstants(painter, l);
}

} // namespace acids
