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

// Snooze only in the last minute with one left; pause or resume by the cycle; nothing that
// would interrupt a break that is due or under way.
TEST(ContextMenu, ItemsAndEnabledStatesFollowTheCycle) {
    const QStringList tail = {"--", "Settings…", "Check for Updates…", "--", "Quit Quorvantel"};
    const QStringList pause = {"Pause breaks", "  For 1 hour", "  Until tomorrow"};
    const QStringList plain = QStringList{"Start break now"} + pause;
    const QStringList inBreak = {"[Start break now]", "[Pause breaks]", "  For 1 hour",
                                 "  Until tomorrow"};
    const std::vector<std::pair<ContextMenuInputs, QStringList>> cases = {
        {menuFor(Working{now.addSecs(-2960), now.addSecs(40)}, 1),
         QStringList{"Start break now", "Snooze 5 minutes (1 left)"} + pause},
        {menuFor(Working{now, now.addSecs(3000)}), plain},
        {menuFor(Working{now, now.addSecs(30)}, 2), plain},
        {menuFor(Paused{now.addSecs(3600)}), {"Start break now", "Resume breaks"}},
        {menuFor(BreakActive{}), inBreak},
        {menuFor(BreakDue{}), inBreak},
        {menuFor(Cooldown{now.addSecs(2)}), plain},
        {menuFor(Stopped{}), plain},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(outline(makeContextMenu(cases[i].first)),
                  QStringList({"[status]", "--"}) + cases[i].second + tail)
            << "case " << i;
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
