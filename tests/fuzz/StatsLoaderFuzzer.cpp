// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the statistics loader, as a damaged or hand-edited stats.json
// would. Beyond crashes and sanitizer reports it checks that whatever loads is saved back
// exactly and that the numbers shown from it never wrap.
#include "FuzzRequire.h"
#include "core/stats/StatsCoding.h"
#include "core/stats/StatsStore.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"

#include <cstdint>

using qv::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray document(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const auto decoded = qv::decodeEachDay(document);
    if (decoded) {
        require(decoded->droppedDays >= 0);
        require(qv::decodeEachDay(qv::encodeDays(decoded->days)) ==
                qv::DecodedDays{decoded->days, 0});
    }

    qv::MemoryKeyValueStore defaults;
    defaults.setData(qv::StatsStore::defaultsKey, document);
    static const QTimeZone zone("Europe/Berlin");
    qv::VirtualTimeSource time(QDateTime(QDate(2026, 3, 29), QTime(1, 30), zone));
    qv::StatsStore store(
        defaults, [] { return qv::Calendar(zone, QLocale::c()); }, time, std::nullopt);
    require(store.days() == (decoded ? decoded->days : qv::DayTable{}));

    require(store.streakDays() >= 0);
    (void)store.totalRepetitions();
    (void)store.totalCompletedBreaks();
    (void)store.totalSkippedBreaks();
    require(store.recentDays(14).size() == 14);
    store.recordVerifiedBreak(qv::ExerciseKind::squat, std::numeric_limits<qint64>::max());
    store.recordAwayBreak();
    require(qv::decodeDays(*defaults.data(qv::StatsStore::defaultsKey)) == store.days());
    return 0;
}
