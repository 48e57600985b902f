// Label texts that several windows write alike.
#pragma once

#include <QString>

namespace graphs {

// "Temperature  = 25°C"
QString temperatureText(int celsius);
// "Duration = 250"
QString durationText(int duration);

} // namespace graphs
