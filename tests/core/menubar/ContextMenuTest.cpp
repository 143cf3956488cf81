// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menubar/ContextMenuDescription.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace qv;
using namespace qv::scheduleState;

namespace {

const QDateTime now = QDateTime::fromString(QStringLiteral("2026-12-07T09:00:00Z"), Qt::ISODate);

// One line per item: disabled items in brackets, submenu items indented, separators as "--".
QStringList outline(const QList<MenuEntry>& entries, const QString& indent = {}) {
    QStringList lines;
    for (const auto& e : entries) {
        if (e.kind == MenuEntry::Kind::separator) {
            lines << indent + QStringLiteral("--");
            continue;
        }
        lines << indent + (e.enabled ? e.title : QLatin1Char('[') + e.title + QLatin1Char(']'));
        lines << outline(e.children, indent + QStringLiteral("  "));
    }
    return lines;
}

ContextMenuInputs menuFor(BreakSchedulerState state, int snoozeCount = 0, bool updates = true) {
    BreakSchedule schedule;
    schedule.state = state;
    schedule.snoozeCount = snoozeCount;
    return {{state, schedule, now, 50, {}, 0}, QStringLiteral("status"), updates};
}

TEST(ContextMenu, ItemsAndEnabledStatesFollowTheCycle) {
    const QStringList tail = {"--", "Settings…", "Check for Updates…", "--", "Quit Quorvantel"};
    const QStringList pause = {"Pause breaks", "  For 1 hour", "  Until tomorrow"};
    struct Case {
        const char* name;
        ContextMenuInputs in;
        QStringList middle;
    };
    const std::vector<Case> cases = {
        {"40 s before the break, one snooze used",
         menuFor(Working{now.addSecs(-2960), now.addSecs(40)}, 1),
         QStringList{"Start break now", "Snooze 5 minutes (1 left)"} + pause},
        {"working, far from the break", menuFor(Working{now, now.addSecs(3000)}),
         QStringList{"Start break now"} + pause},
        {"both snoozes used", menuFor(Working{now, now.addSecs(30)}, 2),
         QStringList{"Start break now"} + pause},
        {"paused", menuFor(Paused{now.addSecs(3600)}), {"Start break now", "Resume breaks"}},
        {"break active",
         menuFor(BreakActive{}),
         {"[Start break now]", "[Pause breaks]", "  For 1 hour", "  Until tomorrow"}},
        {"break due",
         menuFor(BreakDue{}),
         {"[Start break now]", "[Pause breaks]", "  For 1 hour", "  Until tomorrow"}},
        {"cooldown", menuFor(Cooldown{now.addSecs(2)}), QStringList{"Start break now"} + pause},
        {"stopped", menuFor(Stopped{}), QStringList{"Start break now"} + pause},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(outline(makeContextMenu(c.in)),
                  QStringList({"[status]", "--"}) + c.middle + tail);
    }
}

TEST(ContextMenu, UpdateCheckFollowsTheUpdaterAndShortcutsSitOnSettingsAndQuit) {
    const auto menu = makeContextMenu(menuFor(Working{now, now.addSecs(3000)}, 0, false));
    QStringList withShortcut;
    for (const auto& e : menu) {
        if (e.action == TrayAction::checkForUpdates) {
            EXPECT_FALSE(e.enabled);
        }
        if (!e.shortcut.isEmpty()) {
            withShortcut << e.title + QLatin1Char('=') + e.shortcut;
        }
        EXPECT_TRUE(e.kind == MenuEntry::Kind::separator || !e.iconName.isEmpty())
            << e.title.toStdString();
    }
    EXPECT_EQ(withShortcut, QStringList({"Settings…=Ctrl+,", "Quit Quorvantel=Ctrl+Q"}));
}

} // namespace
