// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>
#include <cmath>

// What the reader and the writer of recorded pose streams agree on.
namespace qv::poseformat {

inline const QLatin1String formatName("quorvantel-poses");
inline constexpr int version = 1;

inline bool isCoordinateInRange(double v) {
    return std::isfinite(v) && v >= -1.0 && v <= 2.0;
}

inline bool isConfidenceInRange(double v) {
    return std::isfinite(v) && v >= 0.0 && v <= 1.0;
}

} // namespace qv::poseformat
