// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stats/StatsCoding.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <array>

namespace qv {

namespace {

struct Member {
    QLatin1StringView name;
    qint64 DayStat::*field;
};

constexpr std::array<Member, 6> members{{
    {QLatin1StringView("squats"), &DayStat::squats},
    {QLatin1StringView("overheadRaises"), &DayStat::overheadRaises},
    {QLatin1StringView("verifiedBreaks"), &DayStat::verifiedBreaks},
    {QLatin1StringView("timedBreaks"), &DayStat::timedBreaks},
    {QLatin1StringView("awayBreaks"), &DayStat::awayBreaks},
    {QLatin1StringView("skippedBreaks"), &DayStat::skippedBreaks},
}};

// JSON has one number type. A whole number written as 12.0 or 1e3 still names a count;
// anything with a fraction or outside the 64-bit range does not. Qt gives back the default
// exactly when the value is not such a number, so two different defaults tell the cases apart.
std::optional<qint64> integerValue(const QJsonValue& value) {
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const qint64 first = value.toInteger(0);
    if (first != value.toInteger(1)) {
        return std::nullopt;
    }
    return first;
}

std::optional<DayStat> decodeDay(const QJsonValue& value) {
    if (!value.isObject()) {
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    DayStat day;
    for (const Member& member : members) {
        const QJsonValue counter = object.value(member.name);
        if (counter.isUndefined()) {
            continue;
        }
        const auto number = integerValue(counter);
        if (!number) {
            return std::nullopt;
        }
        day.*member.field = *number;
    }
    return day;
}

} // namespace

QByteArray encodeDays(const DayTable& days) {
    QJsonObject document;
    for (auto it = days.begin(); it != days.end(); ++it) {
        QJsonObject day;
        for (const Member& member : members) {
            day.insert(member.name, QJsonValue(it.value().*member.field));
        }
        document.insert(it.key(), day);
    }
    return QJsonDocument(document).toJson(QJsonDocument::Compact);
}

std::optional<DecodedDays> decodeEachDay(const QByteArray& document) {
    QJsonParseError error{};
    const QJsonDocument parsed = QJsonDocument::fromJson(document, &error);
    if (error.error != QJsonParseError::NoError || !parsed.isObject()) {
        return std::nullopt;
    }
    const QJsonObject object = parsed.object();
    DecodedDays decoded;
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (const auto day = decodeDay(it.value())) {
            decoded.days.insert(it.key(), *day);
        } else {
            ++decoded.droppedDays;
        }
    }
    return decoded;
}

std::optional<DayTable> decodeDays(const QByteArray& document) {
    auto decoded = decodeEachDay(document);
    if (!decoded || decoded->droppedDays != 0) {
        return std::nullopt;
    }
    return std::move(decoded->days);
}

} // namespace qv
