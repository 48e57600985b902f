#include "graphs/Captions.h"

#include "toolkit/Text.h"

namespace graphs {

QString temperatureText(int celsius)
{
    return QStringLiteral("Temperature  = ") + toolkit::Format(celsius, "0") + QStringLiteral("°C");
}

QString durationText(int duration) { return QStringLiteral("Duration = ") + toolkit::Format(duration, "0"); }

} // namespace graphs
