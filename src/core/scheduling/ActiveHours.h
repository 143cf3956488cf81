// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/SettingsStore.h"
#include "core/time/Calendar.h"

#include <QDateTime>
#include <QLocale>
#include <optional>

namespace qv {

// Minutes after local midnight, 0 … 1439.
int minuteOfDay(const QDateTime& date, const Calendar& calendar);
bool isWithinActiveHours(const QDateTime& date, const Calendar& calendar,
                         const ActiveHoursWindow& window);
// When the active hours next begin (now when they already have), looking nine days ahead.
std::optional<QDateTime> nextActiveHoursStart(const QDateTime& now, const Calendar& calendar,
                                              const ActiveHoursWindow& window);
// A minute of the day as the locale writes a short time ("8:00 AM", "08:00").
QString timeLabel(int minute, const QLocale& locale);

} // namespace qv
