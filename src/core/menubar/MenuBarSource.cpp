// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menubar/MenuBarSource.h"

#include "core/scheduling/BreakScheduler.h"
#include "core/settings/SettingsStore.h"
#include "core/stats/StatsStore.h"

namespace qv {

MenuBarSource::MenuBarSource(BreakScheduler& scheduler, SettingsStore& settings, StatsStore& stats,
                             CalendarSource calendar, QObject* parent)
    : QObject(parent)
    , scheduler_(scheduler)
    , settings_(settings)
    , stats_(stats)
    , calendar_(std::move(calendar)) {
    // The tray shows the texts, the live countdown and what the state allows.
    for (const auto signal :
         {&BreakScheduler::currentDateChanged, &BreakScheduler::stateChanged,
          &BreakScheduler::snoozeCountChanged, &BreakScheduler::menuBarTitleChanged,
          &BreakScheduler::statusTextChanged}) {
        connect(&scheduler_, signal, this, &MenuBarSource::changed);
    }
    connect(&settings_, &SettingsStore::workIntervalMinutesChanged, this, &MenuBarSource::changed);
    connect(&stats_, &StatsStore::daysChanged, this, &MenuBarSource::changed);
}

MenuBarInputs MenuBarSource::inputs() const {
    return MenuBarInputs{scheduler_.state(),       scheduler_.schedule(),
                         scheduler_.currentDate(), settings_.workIntervalMinutes(),
                         stats_.today(),           stats_.streakDays()};
}

MenuPopoverDisplay MenuBarSource::popoverDisplay() const {
    return makeMenuPopoverDisplay(inputs(), calendar_());
}

QList<MenuEntry> MenuBarSource::contextMenu() const {
    return makeContextMenu(
        {inputs(), scheduler_.statusText(), canCheckForUpdates && canCheckForUpdates()});
}

QString MenuBarSource::title() const {
    return scheduler_.menuBarTitle();
}

QString MenuBarSource::statusText() const {
    return scheduler_.statusText();
}

} // namespace qv
