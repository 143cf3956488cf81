// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/stats/DayStat.h"

#include <QByteArray>
#include <optional>

namespace qv {

// The statistics document: one JSON object from day key to an object with the six counters.
// All six are written; on reading each may be missing (it reads as 0), but a day with a
// counter that is not an integer, or that is not an object, cannot be read.
QByteArray encodeDays(const DayTable& days);

struct DecodedDays {
    DayTable days;           // every day that could be read
    qsizetype droppedDays{}; // and how many could not
    bool operator==(const DecodedDays&) const = default;
};
// Day by day, so that one damaged day costs only itself; nothing when the document is not
// a JSON object at all.
std::optional<DecodedDays> decodeEachDay(const QByteArray& document);
// Only a document that reads whole.
std::optional<DayTable> decodeDays(const QByteArray& document);

} // namespace qv
