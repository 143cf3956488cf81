// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stats/DayStat.h"

#include <limits>

namespace qv {

qint64 saturatingAdd(qint64 a, qint64 b) {
    qint64 sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    }
    return sum;
}

qint64 DayStat::repetitions() const {
    return saturatingAdd(squats, overheadRaises);
}

qint64 DayStat::completedBreaks() const {
    return saturatingAdd(saturatingAdd(verifiedBreaks, timedBreaks), awayBreaks);
}

} // namespace qv
