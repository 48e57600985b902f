#include "graphs/Captions.h"

#include "toolkit/Text.h"

#include <QCoreApplication>

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

} // namespace graphs
