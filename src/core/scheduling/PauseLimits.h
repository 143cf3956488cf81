// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// How long a pause asked for by the user or a script may last. A day at most: the stored
// schedule treats anything further out than a pause until tomorrow as damaged.
namespace qv::pauseLimits {

inline constexpr double shortestSeconds = 60;
inline constexpr double longestSeconds = 24 * 3600;

inline QString outOfRangeMessage() {
    return QCoreApplication::translate("Requests", "A pause lasts from one minute to 24 hours.");
}

} // namespace qv::pauseLimits
