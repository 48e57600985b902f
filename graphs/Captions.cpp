#include "graphs/Captions.h"

#include "graphs/core/Measure.h"
#include "toolkit/Text.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace graphs {

namespace {

// The translation context of the captions several windows share.
struct Captions
{
    Q_DECLARE_TR_FUNCTIONS(Captions)
};

} // namespace

QString temperatureText(int celsius) { return Captions::tr("Temperature  = ") + celsiusText(celsius); }

QString celsiusText(int celsius) { return toolkit::Format(celsius, "0") + QStringLiteral("°C"); }

QString durationText(int duration, int gap)
{
    return Captions::tr("Duration =") + QString(gap, QLatin1Char(' ')) + toolkit::Format(duration, "0");
}

QString concentrationText(int hundredths, int gap)
{
    return toolkit::Format(hundredths / 100.0, "0.00") + QString(gap, QLatin1Char(' ')) + Captions::tr("mol/L");
}

QString atomsText(int amount)
{
    return Captions::tr("Number of Atoms = ") + toolkit::Format(kinetics::core::layoutTarget(amount), "0");
}

QString amountText(const kinetics::core::RunSetup &setup)
{
    return setup.chemistry() ? concentrationText(setup.amount) : atomsText(setup.amount);
}

QString rateLabelText(const kinetics::core::RunSetup &setup, int step)
{
    const auto &k = setup.rates.steps;
    if (setup.chemistry()) {
        static const char *prefixes[] = {"KA->B =", "KB->A =", "KB->C =", "KC->B ="};
        const double rates[] = {k.k1, k.k1Reverse, k.k2, k.k2Reverse};
        if (step < 0 || step > 3)
            return {};
        return QLatin1String(prefixes[step]) + toolkit::Format(rates[step], "0.00E+00");
    }
    switch (step) {
    case 0: return QStringLiteral("K1= ") + toolkit::Format(k.k1, "0.00e+00");
    case 1: return QStringLiteral("K2= ") + toolkit::Format(k.k2, "0.00");
    case 2: return QStringLiteral("K3= ") + toolkit::Format(k.k3, "0.00");
    default: return {};
    }
}

QString seriesStepLabel(int i) { return QStringLiteral("   ") + QString::number(i + 1); }

QString countsText(const kinetics::core::Counts &counts)
{
    return Captions::tr("%1 blue A, %2 green B, %3 red C, %4 cyan D")
        .arg(counts.a)
        .arg(counts.b)
        .arg(counts.c)
        .arg(counts.d);
}

QString amountsAt(const kinetics::core::RunSetup &setup, const kinetics::core::TickCounts &latest)
{
    static const char *kinds[] = {"A", "B", "C", "D"};
    const int n = std::clamp(setup.kinds(), 1, 4);
    const int counts[] = {latest.counts.a, latest.counts.b, latest.counts.c, latest.counts.d};
    QStringList now;
    for (int m = 0; m < n; ++m) {
        // In the value axis's own unit, as the graph shows it.
        const double value = counts[m] * graphs::core::valuePerSpot(setup);
        now << (setup.chemistry() ? Captions::tr("%1 %2 mol/L").arg(QLatin1String(kinds[m]), toolkit::Format(value, "0.000"))
                                  : Captions::tr("%1 %2 atoms").arg(QLatin1String(kinds[m]), toolkit::Format(value, "0.0")));
    }
    return Captions::tr("At time %1: %2.").arg(toolkit::Format(latest.time, "0"), now.join(QStringLiteral("; ")));
}

QString graphText(const kinetics::core::RunSetup &setup, const kinetics::core::TickCounts &latest, bool smoothCurves)
{
    static const char *points[] = {QT_TRANSLATE_NOOP("Captions", "blue A"), QT_TRANSLATE_NOOP("Captions", "green B"),
                                   QT_TRANSLATE_NOOP("Captions", "red C"), QT_TRANSLATE_NOOP("Captions", "cyan D")};
    static const char *curves[] = {QT_TRANSLATE_NOOP("Captions", "dark blue A"),
                                   QT_TRANSLATE_NOOP("Captions", "dark green B"),
                                   QT_TRANSLATE_NOOP("Captions", "dark red C"),
                                   QT_TRANSLATE_NOOP("Captions", "dark cyan D")};
    const int n = std::clamp(setup.kinds(), 1, 4);
    QStringList shownPoints, shownCurves;
    for (int m = 0; m < n; ++m) {
        shownPoints << Captions::tr(points[m]);
        shownCurves << Captions::tr(curves[m]);
    }
    const QString up = setup.chemistry()
                           ? Captions::tr("concentration, 0 to %1 mol/L").arg(toolkit::Format(setup.amount / 100.0, "0.00"))
                           : Captions::tr("number of atoms N, 0 to %1")
                                 .arg(toolkit::Format(kinetics::core::layoutTarget(setup.amount), "0"));
    QString text = Captions::tr("Amounts against time. Across: time, 0 to %1. Up: %2. Points: %3.")
                       .arg(setup.duration)
                       .arg(up, shownPoints.join(QStringLiteral(", ")));
    if (smoothCurves)
        text += QLatin1Char(' ') + Captions::tr("Smooth curves: %1.").arg(shownCurves.join(QStringLiteral(", ")));
    return text + QLatin1Char(' ') + amountsAt(setup, latest);
}

} // namespace graphs
