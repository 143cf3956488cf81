// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/menubar/ContextMenuDescription.h"
#include "core/menubar/MenuPopoverDisplay.h"

#include <QCoreApplication>
#include <QObject>
#include <functional>

namespace qv {

class BreakScheduler;
class SettingsStore;
class StatsStore;

// Reads the scheduler, the settings and the statistics at one instant for the tray, and says
// when any of them published a change.
class MenuBarSource final : public QObject {
    Q_OBJECT

public:
    MenuBarSource(BreakScheduler& scheduler, SettingsStore& settings, StatsStore& stats,
                  CalendarSource calendar, QObject* parent = nullptr);

    // Whether "Check for Updates…" can run now; absent means it cannot.
    std::function<bool()> canCheckForUpdates;

    MenuBarInputs inputs() const;
    MenuPopoverDisplay popoverDisplay() const;
    QList<MenuEntry> contextMenu() const;
    Calendar calendar() const { return calendar_(); }
    // The countdown or state word beside the mark, and the sentence for tooltips and screen
    // readers.
    QString title() const;
    QString statusText() const;
    QString accessibleName() const {
        return QCoreApplication::translate("Tray", "Quorvantel, %1").arg(statusText());
    }

Q_SIGNALS:
    void changed();

private:
    BreakScheduler& scheduler_;
    SettingsStore& settings_;
    StatsStore& stats_;
    CalendarSource calendar_;
};

} // namespace qv
