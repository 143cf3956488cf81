// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/services/EmergencyEscapeGate.h"

#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"

#include <gtest/gtest.h>

using qv::EmergencyEscapeGate;
using Result = qv::EmergencyEscapeResult;

namespace {

const QTimeZone berlin("Europe/Berlin");

class EmergencyEscapeGateTest : public ::testing::Test {
protected:
    QDateTime local(int day, int hour, int minute) const {
        return QDateTime(QDate(2026, 3, day), QTime(hour, minute), berlin);
    }
    EmergencyEscapeGate makeGate(qint64 limit = 3) {
        return EmergencyEscapeGate(
            defaults, [] { return qv::Calendar(berlin, QLocale::c()); }, time, limit);
    }

    qv::MemoryKeyValueStore defaults;
    qv::VirtualTimeSource time{QDateTime(QDate(2026, 3, 28), QTime(22, 0), berlin)};
};

TEST_F(EmergencyEscapeGateTest, AllowanceIsSpentAndStartsAgainAfterLocalMidnight) {
    auto gate = makeGate(3);
    EXPECT_EQ(gate.consumeEscape(local(28, 23, 50)), Result::escaped);
    EXPECT_EQ(gate.consumeEscape(local(28, 23, 58)), Result::escaped);
    EXPECT_EQ(gate.remainingEscapes(local(28, 23, 59)), 1);

    // The night the clocks go forward: the new day starts at 23:00 UTC.
    EXPECT_EQ(gate.remainingEscapes(local(29, 0, 1)), 3);
    EXPECT_EQ(defaults.date(EmergencyEscapeGate::dayKey),
              QDateTime(QDate(2026, 3, 28), QTime(23, 0), Qt::UTC));
    EXPECT_EQ(defaults.integer(EmergencyEscapeGate::usesKey), 0);

    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(gate.consumeEscape(local(29, 9, i)), Result::escaped);
    }
    EXPECT_EQ(gate.consumeEscape(local(29, 23, 59)), Result::limitReached);
    EXPECT_EQ(defaults.integer(EmergencyEscapeGate::usesKey), 3) << "a refusal stores nothing";
    // The next day starts at 22:00 UTC already (summer time).
    EXPECT_EQ(makeGate(3).remainingEscapes(QDateTime(QDate(2026, 3, 29), QTime(22, 0), Qt::UTC)),
              3);
}

// A stored count from another day, a damaged one, or one above a lowered limit is repaired or
// started afresh, never trusted into a negative allowance or an extra escape.
TEST_F(EmergencyEscapeGateTest, RepairsOrRestartsTheStoredCount) {
    // The 28th of March in Berlin starts at 23:00 UTC on the 27th.
    const QString today = QStringLiteral("2026-03-27T23:00:00.000Z");
    const QString yesterday = QStringLiteral("2026-03-26T23:00:00.000Z");
    struct Case {
        const char* name;
        std::optional<QString> day; // as stored text; empty means nothing stored
        qint64 uses, limit, remaining, usesAfterRollOver;
    };
    const Case cases[] = {
        {"same day", today, 1, 3, 2, 1},
        {"negative today", today, -5, 3, 3, 0},
        {"negative yesterday", yesterday, -5, 3, 3, 0},
        {"full yesterday", yesterday, 3, 3, 3, 0},
        {"day not a date", QStringLiteral("Saturday"), 2, 3, 3, 0},
        {"no day", std::nullopt, 2, 3, 3, 0},
        {"limit lowered below uses", today, 3, 1, 0, 3},
        {"negative limit", today, 0, -1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        defaults.remove(EmergencyEscapeGate::dayKey);
        if (c.day) {
            defaults.setText(EmergencyEscapeGate::dayKey, *c.day);
        }
        defaults.setInteger(EmergencyEscapeGate::usesKey, c.uses);
        auto gate = makeGate(c.limit);
        EXPECT_EQ(gate.remainingEscapes(local(28, 12, 0)), c.remaining);
        EXPECT_EQ(defaults.integer(EmergencyEscapeGate::usesKey), c.usesAfterRollOver);
        EXPECT_EQ(gate.consumeEscape(local(28, 12, 1)) == Result::escaped, c.remaining > 0);
    }
}

TEST_F(EmergencyEscapeGateTest, HoldMustLastThreeSecondsAndKeyRepeatDoesNotRestartIt) {
    auto gate = makeGate(3);
    EXPECT_EQ(gate.releaseHold(), Result::noHoldInProgress);

    gate.beginHold();
    time.advance(2.9);
    EXPECT_EQ(gate.releaseHold(), Result::holdTooShort);
    EXPECT_FALSE(gate.holdStartedAt());
    EXPECT_EQ(gate.remainingEscapes(time.now()), 3);

    gate.beginHold(); // a fresh hold: the 2.9 s before do not count
    time.advance(2.0);
    gate.beginHold(); // key repeat
    time.advance(1.0);
    EXPECT_EQ(gate.releaseHold(), Result::escaped);
    EXPECT_EQ(gate.remainingEscapes(time.now()), 2);
    EXPECT_EQ(gate.releaseHold(), Result::noHoldInProgress) << "a hold is used once";
}

} // namespace
