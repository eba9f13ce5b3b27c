#pragma once
// Conversion between the workspace's angle unit and radians. The factors use the engine's
// 15-digit value of pi, and each factor is computed before it is multiplied in, so that
// conversions give the same doubles everywhere.

#include <cstdint>

namespace zolvan {

// The engine's pi: the 15-digit value, used for ":pi", unit factors and trigonometric reductions.
inline constexpr double kEnginePi = 3.14159265358979;

// Angle units as the workspace stores them; any other value acts as radians.
inline constexpr std::int16_t kRadians = 0;
inline constexpr std::int16_t kDegrees = 1;
inline constexpr std::int16_t kGrads = 2;

// An angle given in `unit` as radians.
double angleToRadians(double angle, std::int16_t unit);

// An angle given in radians as an angle in `unit`.
double radiansToAngle(double radians, std::int16_t unit);

} // namespace zolvan
