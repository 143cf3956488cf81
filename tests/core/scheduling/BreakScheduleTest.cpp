// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scheduling/BreakSchedule.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::scheduleState;
using Event = BreakScheduleEvent;

namespace {

const QDateTime t0 = QDateTime::fromSecsSinceEpoch(1'780'000'000, Qt::UTC);
constexpr double fiftyMinutes = 3000;

QDateTime at(double seconds) {
    return addSeconds(t0, seconds);
}

BreakSchedule withState(BreakSchedulerState state, int snoozes = 0) {
    BreakSchedule schedule;
    schedule.state = state;
    schedule.snoozeCount = snoozes;
    return schedule;
}

} // namespace

TEST(BreakSchedule, AdvanceReachesTheDueDateExactlyAndCatchesUpAfterALongPause) {
    BreakSchedule working = withState(Working{t0, at(fiftyMinutes)});
    EXPECT_TRUE(working.advance(at(fiftyMinutes - 0.001), fiftyMinutes).empty());
    EXPECT_EQ(working.advance(at(fiftyMinutes), fiftyMinutes),
              BreakScheduleEvents{Event::breakBecameDue});
    EXPECT_TRUE(working.is<BreakDue>());

    // Paused until t0, woken 90 minutes later: the cycle began at t0, not at the wake-up.
    BreakSchedule paused = withState(Paused{t0}, 2);
    EXPECT_EQ(paused.advance(at(5400), fiftyMinutes),
              (BreakScheduleEvents{Event::workingCycleStarted, Event::breakBecameDue}));
    EXPECT_TRUE(paused.is<BreakDue>());
    EXPECT_EQ(paused.snoozeCount, 0);
}

TEST(BreakSchedule, SnoozeTwicePerCycleOnlyAndOnlyIntoTheFuture) {
    BreakSchedule schedule = withState(Working{t0, at(fiftyMinutes)});
    EXPECT_FALSE(schedule.snooze(at(10), at(10)));
    EXPECT_TRUE(schedule.snooze(at(310), at(10)));
    schedule.advance(at(310), fiftyMinutes);
    EXPECT_TRUE(schedule.is<BreakDue>());
    EXPECT_TRUE(schedule.snooze(at(620), at(320)));
    EXPECT_FALSE(schedule.snooze(at(930), at(630)));
    EXPECT_EQ(schedule.snoozeCount, 2);
    schedule.advance(at(620), fiftyMinutes);
    schedule.finishBreak(at(700));
    schedule.advance(at(702), fiftyMinutes);
    EXPECT_EQ(schedule.snoozeCount, 0);
}

TEST(BreakSchedule, OperationsRefusedInTheWrongStateChangeNothing) {
    struct Case {
        const char* name;
        BreakSchedulerState state;
        std::function<bool(BreakSchedule&)> operation;
    };
    const std::vector<Case> refused = {
        {"pause during a break", BreakActive{}, [](auto& s) { return s.pause(at(60), t0); }},
        {"pause due", BreakDue{}, [](auto& s) { return s.pause(at(60), t0); }},
        {"pause into the past", Working{t0, at(9)}, [](auto& s) { return s.pause(t0, t0); }},
        {"resume while working", Working{t0, at(9)},
         [](auto& s) { return s.resume(t0, fiftyMinutes); }},
        {"break now twice", BreakDue{}, [](auto& s) { return s.makeBreakDue(); }},
        {"meeting while paused", Paused{at(60)},
         [](auto& s) { return s.deferForMeeting(at(300), t0); }},
        {"active hours in cooldown", Cooldown{at(2)},
         [](auto& s) { return s.deferForActiveHours(at(300), t0); }},
        {"snooze while stopped", Stopped{}, [](auto& s) { return s.snooze(at(300), t0); }},
    };
    for (const Case& c : refused) {
        BreakSchedule schedule = withState(c.state, 1);
        const BreakSchedule before = schedule;
        EXPECT_FALSE(c.operation(schedule)) << c.name;
        EXPECT_EQ(schedule, before) << c.name;
    }
}

TEST(BreakSchedule, ChangingTheIntervalKeepsTheCycleStart) {
    BreakSchedule schedule = withState(Working{t0, at(fiftyMinutes)});
    EXPECT_TRUE(schedule.applyWorkInterval(90 * 60, at(1800)).empty());
    EXPECT_EQ(schedule.state, BreakSchedulerState(Working{t0, at(5400)}));
    EXPECT_EQ(schedule.applyWorkInterval(20 * 60, at(1800)),
              BreakScheduleEvents{Event::breakBecameDue});

    BreakSchedule cooldown = withState(Cooldown{at(2)});
    EXPECT_TRUE(cooldown.applyWorkInterval(20 * 60, at(1)).empty());
    EXPECT_EQ(cooldown.state, BreakSchedulerState(Cooldown{at(2)}));
}
