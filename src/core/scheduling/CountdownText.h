// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qv {

// Seconds rounded up: "MM:SS" below an hour, "H:MM:SS" from an hour on.
QString countdownText(double seconds);

} // namespace qv
