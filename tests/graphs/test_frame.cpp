// Axes, ticks and labels of the graph frame.
#include "graphs/core/PlotFrame.h"

#include <QtTest>

#include <cmath>

using namespace graphs::core;

namespace {

// The frame of a graph exactly as the run windows ask for it: scale top
// 1.2 x amount / 100, frame top a sixth less, margins of a tenth.
PlotFrameInput runFrame(int duration, int amount, bool chemistry)
{
    const double axisTop = amount * 1.2 / 100;
    PlotFrameInput in;
    in.xMax = duration;
    in.xMin = -axisTop / 10;
    in.yMax = axisTop / 1.2;
    in.yMin = -axisTop / 10;
    in.leftEdge = -duration / 20.0;
    in.chemistryChosen = chemistry;
    in.initialAmount = amount;
    in.latticeSide = 25;
    return in;
}

QStringList texts(const std::vector<FrameLabel> &labels)
{
    QStringList out;
    for (const auto &l : labels)
        out << QString::fromStdString(l.text);
    return out;
}

QStringList range(double from, double step, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QString::number(from + i * step, 'f', 2);
    return out;
}

bool close(const QList<double> &actual, const QList<double> &expected)
{
    if (actual.size() != expected.size())
        return false;
    for (qsizetype k = 0; k < actual.size(); ++k)
        if (std::fabs(actual[k] - expected[k]) > 1e-12 * std::max(1.0, std::fabs(expected[k])))
            return false;
    return true;
}

} // namespace

Q_DECLARE_METATYPE(PlotFrameInput)

class FrameTest : public QObject
{
    Q_OBJECT

private slots:
    void labels_data()
    {
        QTest::addColumn<PlotFrameInput>("input");
        QTest::addColumn<QStringList>("timeLabels");
        QTest::addColumn<QStringList>("valueLabels"); // leading ones only

        QTest::newRow("reaction of 0.25 mol/L")
            << runFrame(250, 25, true) << range(0, 50, 6)
            // upwards from the second tick, then downwards from 0
            << (range(0.05, 0.05, 7) << "0.00" << "-0.05");
        QTest::newRow("worked decay example of 75")
            << runFrame(75, 25, false) << range(0, 15, 6) << QStringList{"0.00", "31.25", "62.50"};
        QTest::newRow("duration 1000") << runFrame(1000, 15, true) << range(0, 200, 6) << QStringList{};
        QTest::newRow("duration 100") << runFrame(100, 15, true) << range(0, 20, 6) << QStringList{};

        PlotFrameInput wideLeft = runFrame(250, 25, true);
        wideLeft.leftEdge = -60; // room for one labelled tick left of 0
        QTest::newRow("ticks left of 0") << wideLeft << (range(0, 50, 6) << "-25.00") << QStringList{};
    }

    void labels()
    {
        QFETCH(PlotFrameInput, input);
        QFETCH(QStringList, timeLabels);
        QFETCH(QStringList, valueLabels);

        const PlotFrame f = plotFrame(input);
        QCOMPARE(texts(f.timeLabels), timeLabels);
        QCOMPARE(texts(f.valueLabels).mid(0, valueLabels.size()), valueLabels);
    }

    void axes_data()
    {
        QTest::addColumn<QList<double>>("bounds"); // xMax, xMin, yMax, yMin
        QTest::addColumn<QList<double>>("timeAxis");
        QTest::addColumn<QList<double>>("valueAxis");

        QTest::newRow("ranges through 0: axes through 0, half as long again")
            << QList<double>{100, -1, 2, -0.5} << QList<double>{-1, 0, 150, 0} << QList<double>{0, -0.75, 0, 3};
        QTest::newRow("rates graph from x = 0") << QList<double>{300, 0, 0.6, -0.6}
                                                << QList<double>{0, 0, 450, 0} << QList<double>{0, -0.9, 0, 0.9};
        QTest::newRow("positive ranges: axes along the low edges")
            << QList<double>{100, 10, 2, 0.5} << QList<double>{10, 0.5, 100, 0.5} << QList<double>{10, 0.5, 10, 2};
    }

    void axes()
    {
        QFETCH(QList<double>, bounds);
        QFETCH(QList<double>, timeAxis);
        QFETCH(QList<double>, valueAxis);

        PlotFrameInput in;
        in.xMax = bounds[0];
        in.xMin = bounds[1];
        in.yMax = bounds[2];
        in.yMin = bounds[3];
        const PlotFrame f = plotFrame(in);
        QVERIFY(f.lines.size() >= 2);
        const FrameLine &t = f.lines[0], &v = f.lines[1];
        QVERIFY(close({t.x1, t.y1, t.x2, t.y2}, timeAxis));
        QVERIFY(close({v.x1, v.y1, v.x2, v.y2}, valueAxis));
        QVERIFY(!t.dotted && !v.dotted);
    }

    void everySecondTickHasADottedGridLine()
    {
        const PlotFrame f = plotFrame(runFrame(250, 25, true));
        QVERIFY(std::fabs(f.xStep - 25) <= 1e-12 * 25);
        QVERIFY(std::fabs(f.yStep - 0.025) <= 1e-12 * 0.025);
        // Each labelled time tick: a short solid tick, then a dotted line through
        // the whole height.
        int gridAt100 = 0;
        for (std::size_t k = 0; k + 1 < f.lines.size(); ++k) {
            const FrameLine &tick = f.lines[k], &grid = f.lines[k + 1];
            if (tick.x1 == 100 && tick.x2 == 100 && !tick.dotted && grid.dotted && grid.x1 == 100) {
                QVERIFY(std::fabs(tick.y2 - 0.005) <= 1e-12);
                QVERIFY(grid.y1 > 0.25 && grid.y2 < -0.25);
                ++gridAt100;
            }
        }
        QCOMPARE(gridAt100, 1);
        // Odd ticks carry nothing at all.
        for (const FrameLine &l : f.lines)
            QVERIFY(l.x1 != 25 || l.y1 != l.y2);
    }
};

QTEST_GUILESS_MAIN(FrameTest)
#include "test_frame.moc"
