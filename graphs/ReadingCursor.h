// A reading cursor over a graph, as in a lab: a thin vertical line where the
// pointer is, or where the arrow keys move it once the graph has the
// keyboard, with the values there beside it. It lies over the picture and
// is never part of it: copies and saved pictures leave it out.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace toolkit {
class Canvas;
}

namespace graphs {

class ReadingCursor final : public QWidget
{
    Q_OBJECT
public:
    // What the graph reads at a place across its axis: a heading ("t = 120")
    // and each value there in its colour, or nothing where there is nothing
    // to read.
    struct Reading
    {
        QString heading;
        std::vector<std::pair<QString, QColor>> values;
    };
    using Reader = std::function<std::optional<Reading>(double x)>;

    // Over `graph`, reading across [from, to] of its user scale; the arrow
    // keys move the line by `step`, Page Up and Page Down by ten steps, Home
    // and End to the ends.
    ReadingCursor(toolkit::Canvas &graph, Reader reader);
    void setRange(double from, double to, double step);
    // Shows the line at x (kept within the range); hides it.
    void moveTo(double x);
    void hideLine();
    // Where the line is, in the graph's units; NaN while hidden.
    double at() const { return m_at; }
    // The reading as a listener hears it: the heading, a colon, then each
    // value, between semicolons.
    QString spoken() const;
    // Reads again at the same place: the graph changed under the line.
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The box of the values, and with the line, in pixels of this widget.
    QRect boxRect() const;
    QRect drawnRect() const;
    QFont readingFont() const;

    toolkit::Canvas &m_graph;
    Reader m_reader;
    double m_from = 0, m_to = 0, m_step = 1;
    double m_at = NAN;
    std::optional<Reading> m_reading;
};

} // namespace graphs
