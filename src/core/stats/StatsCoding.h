#pragma once

#include "core/stats/DayStat.h"

#include <QByteArray>
#include <optional>

namespace qv {

// The statistics document: one JSON object from day key to an object with the six counters.
// All six are written; on reading each may be missing (it reads as 0), but a counter that is
// not an integer, or anything that is not this shape, makes the whole document unreadable.
QByteArray encodeDays(const DayTable& days);
std::optional<DayTable> decodeDays(const QByteArray& document);

} // namespace qv
