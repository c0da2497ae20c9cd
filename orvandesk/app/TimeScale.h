#pragma once
// ORVANDESK_TIME_SCALE, for test runs only: every wait and the detection
// timer run that many times faster. Unset, empty or not above 1 means real
// time.

#include <QtGlobal>

namespace orvandesk {

inline double TimeScaleFromEnvironment() {
    bool ok = false;
    const double v = qEnvironmentVariable("ORVANDESK_TIME_SCALE").toDouble(&ok);
    return ok && v > 1.0 && v <= 1000.0 ? v : 1.0;
}

}  // namespace orvandesk
