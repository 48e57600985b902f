// Number formats, whole-number conversions, the random generator and the
// contrast of colours.
#include "toolkit/core/Colour.h"
#include "toolkit/core/Format.h"
#include "toolkit/core/Numeric.h"
#include "toolkit/core/Random.h"

#include <QtTest>

#include <cmath>
#include <vector>

using namespace toolkit::core;

class TestToolkitCore : public QObject
{
    Q_OBJECT
private slots:
    void format_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        QTest::newRow("exp half") << 0.5 << "0.00E+00" << "5.00E-01";
        QTest::newRow("exp zero") << 0.0 << "0.00E+00" << "0.00E+00";
        QTest::newRow("exp rounds up to next decade") << 9.996 << "0.00E+00" << "1.00E+01";
        QTest::newRow("exp tiny") << 5.99446e-8 << "0.00e+00" << "5.99e-08";
        QTest::newRow("exp big") << 12345.0 << "0.00E+00" << "1.23E+04";
        QTest::newRow("exp negative") << -0.000453 << "0.00E+00" << "-4.53E-04";
        QTest::newRow("whole 2.5") << 2.5 << "0" << "3";
        QTest::newRow("whole negative half") << -2.5 << "0" << "-3";
        QTest::newRow("two decimals") << 0.15 << "0.00" << "0.15";
        QTest::newRow("decimal value not binary") << 2.675 << "0.00" << "2.68";
        QTest::newRow("two decimals whole") << 75.0 << "0.00" << "75.00";
        QTest::newRow("negative label") << -0.025 << "0.00" << "-0.03";
        QTest::newRow("rounded to zero drops sign") << -0.001 << "0.00" << "0.00";
        QTest::newRow("one decimal") << 6.1074 << "0.0" << "6.1";
        QTest::newRow("five decimals") << std::log(2.0) << "0.00000" << "0.69315";
        QTest::newRow("sections positive") << 5.0 << "; 0#; " << "5";
        QTest::newRow("sections negative") << -5.0 << "; 0#; " << " 05";
        QTest::newRow("sections zero") << 0.0 << "; 0#; " << " ";
        QTest::newRow("literal around") << 0.15 << "0.00 mol" << "0.15 mol";
    }

    void format()
    {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(Format(value, pattern.toStdString())), expected);
    }

    void wholeNumbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("cint");
        QTest::addColumn<double>("floor");
        QTest::newRow("62.5 to even") << 62.5 << 62 << 62.0;
        QTest::newRow("63.5 to even") << 63.5 << 64 << 63.0;
        QTest::newRow("sqrt 651") << std::sqrt(651.0) << 26 << 25.0;
        QTest::newRow("-0.5") << -0.5 << 0 << -1.0;
        QTest::newRow("-1.5") << -1.5 << -2 << -2.0;
        QTest::newRow("0.4999") << 0.4999 << 0 << 0.0;
    }

    void wholeNumbers()
    {
        QFETCH(double, value);
        QFETCH(int, cint);
        QFETCH(double, floor);
        QCOMPARE(CInt(value), cint);
        QCOMPARE(Int(value), floor);
    }

    void cintNeverOverflows()
    {
        QCOMPARE(CInt(std::nan("")), 0);
        QVERIFY(CInt(1e300) > 0);
        QVERIFY(CInt(-1e300) < 0);
    }

    // Re-seeding from the clock before every draw must keep the stream
    // uniform and never make it repeat itself.
    void reseededStreamStaysUniform()
    {
        Random random;
        constexpr int draws = 1000000;
        constexpr int bins = 100;
        std::vector<int> counts(bins, 0);
        double previous = -1;
        int repeats = 0;
        for (int i = 0; i < draws; ++i) {
            random.mixClock();
            const double u = random.next();
            QVERIFY(u >= 0 && u < 1);
            ++counts[static_cast<std::size_t>(u * bins)];
            repeats += u == previous;
            previous = u;
        }
        double chi2 = 0;
        const double expected = double(draws) / bins;
        for (int c : counts)
            chi2 += (c - expected) * (c - expected) / expected;
        // 99 degrees of freedom: the 99.99th percentile is about 157.
        QVERIFY2(chi2 < 157, qPrintable(QString::number(chi2)));
        QCOMPARE(repeats, 0);
    }

    void sameNumberTwiceDoesNotRepeat()
    {
        Random random;
        random.seed(7);
        random.mix(12345.0);
        const double first = random.next();
        random.mix(12345.0);
        QVERIFY(random.next() != first);
    }

    void seedRepeatsTheWholeStream()
    {
        Random a, b;
        a.seed(42);
        b.seed(42);
        for (int i = 0; i < 1000; ++i) {
            a.mix(a.next() * 1e8);
            b.mix(b.next() * 1e8);
            a.mixClock();
            b.mixClock();
            QCOMPARE(a.next(), b.next());
        }
    }

    // How far a mark stands out (WCAG 2), and the edge a light one gets:
    // its own hue darkened as little as gives 3:1 against the background.
    void edgesOfLightMarks_data()
    {
        QTest::addColumn<QList<int>>("mark");
        QTest::addColumn<QList<int>>("background");
        QTest::addColumn<double>("contrast");
        QTest::newRow("black on white") << QList<int>{0, 0, 0} << QList<int>{255, 255, 255} << 21.0;
        QTest::newRow("green points on the graph's yellow") << QList<int>{0, 255, 0} << QList<int>{255, 255, 192}
                                                            << 1.33;
        QTest::newRow("cyan points on the graph's yellow") << QList<int>{0, 255, 255} << QList<int>{255, 255, 192}
                                                           << 1.21;
        QTest::newRow("yellow H+ on white") << QList<int>{255, 255, 0} << QList<int>{255, 255, 255} << 1.07;
        QTest::newRow("green spots on white") << QList<int>{0, 255, 0} << QList<int>{255, 255, 255} << 1.37;
        QTest::newRow("blue points stand out as they are") << QList<int>{0, 0, 255} << QList<int>{255, 255, 192}
                                                           << 8.31;
    }

    void edgesOfLightMarks()
    {
        QFETCH(QList<int>, mark);
        QFETCH(QList<int>, background);
        QFETCH(double, contrast);
        const Rgb m{mark[0], mark[1], mark[2]}, b{background[0], background[1], background[2]};
        QVERIFY2(std::fabs(toolkit::core::contrast(m, b) - contrast) < 0.005,
                 qPrintable(QString::number(toolkit::core::contrast(m, b))));
        const Rgb edge = edgeFor(m, b);
        QVERIFY(toolkit::core::contrast(edge, b) >= 3);
        if (contrast >= 3) {
            QCOMPARE(edge, m);
            return;
        }
        // The same hue, and no lighter shade of it would do.
        QCOMPARE(edge.r * m.g, edge.g * m.r);
        QCOMPARE(edge.g * m.b, edge.b * m.g);
        const double factor = std::max({edge.r, edge.g, edge.b}) / double(std::max({m.r, m.g, m.b}));
        const auto lighter = [&](int c) { return int(std::lround(c * (factor + 0.02))); };
        QVERIFY(toolkit::core::contrast({lighter(m.r), lighter(m.g), lighter(m.b)}, b) < 3);
    }
};

QTEST_GUILESS_MAIN(TestToolkitCore)
#include "test_toolkit_core.moc"
