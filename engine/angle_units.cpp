#include "engine/angle_units.h"

namespace zolvan {

double angleToRadians(double angle, std::int16_t unit) {
    switch (unit) {
    case kDegrees:
        return angle * (kEnginePi / 180.0);
    case kGrads:
        return angle * (kEnginePi / 200.0);
    default:
        return angle;
    }
}

double radiansToAngle(double radians, std::int16_t unit) {
    switch (unit) {
    case kDegrees:
        return radians * (180.0 / kEnginePi);
    case kGrads:
        return radians * (200.0 / kEnginePi);
    default:
        return radians;
    }
}

} // namespace zolvan
