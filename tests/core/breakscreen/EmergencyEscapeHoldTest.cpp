// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/breakscreen/EmergencyEscapeHold.h"

#include "core/time/VirtualTimeSource.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

class EmergencyEscapeHoldTest : public ::testing::Test {
protected:
    BreakOverlayModel::Initial initial() {
        BreakOverlayModel::Initial values;
        values.emergencyEscapesRemaining = 2;
        values.totalSeconds = 300;
        return values;
    }
    VirtualTimeSource time;
    BreakOverlayModel model{initial(), nullptr};
    EmergencyEscapeHold hold{model, time};
    int escapes = 0;
    void SetUp() override {
        model.onEmergencyEscape = [this] { ++escapes; };
    }
};

TEST_F(EmergencyEscapeHoldTest, AFullPointerHoldEscapesOnceAndCountsDown) {
    const QString idle = hold.title();
    hold.pressPointer();
    EXPECT_TRUE(hold.isHolding());
    EXPECT_TRUE(hold.title().endsWith("3S"));
    time.advance(1.5);
    EXPECT_NEAR(hold.progress(), 0.5, 0.02);
    EXPECT_TRUE(hold.title().endsWith("2S"));
    time.advance(1.5);
    EXPECT_EQ(escapes, 1);
    EXPECT_FALSE(hold.isHolding());
    EXPECT_EQ(hold.title(), idle);
    time.advance(5);
    EXPECT_EQ(escapes, 1);
}

TEST_F(EmergencyEscapeHoldTest, LettingGoOrDraggingAwayCancels) {
    hold.pressPointer();
    time.advance(2.9);
    hold.releasePointer();
    time.advance(1);
    hold.pressPointer();
    hold.movePointer(10, 10);
    time.advance(1);
    hold.movePointer(20, 10); // beyond 22 points from where it was pressed
    time.advance(3);
    EXPECT_EQ(escapes, 0);
    EXPECT_FALSE(hold.isHolding());
}

TEST_F(EmergencyEscapeHoldTest, NothingToHoldWhenNoEscapeIsLeft) {
    model.updateEmergencyEscape(0, QString());
    EXPECT_EQ(hold.icon(), u"lock");
    hold.pressPointer();
    EXPECT_FALSE(hold.isHolding());
    model.setEmergencyKeyHeld(true);
    EXPECT_FALSE(hold.isHolding());
    time.advance(4);
    EXPECT_EQ(escapes, 0);
}

TEST_F(EmergencyEscapeHoldTest, TheChordShowsAsAHoldWithoutEscapingByItself) {
    model.setEmergencyKeyHeld(true);
    EXPECT_TRUE(hold.isHolding());
    time.advance(4);
    EXPECT_EQ(hold.progress(), 1.0);
    EXPECT_EQ(escapes, 0); // the application model times the chord
    model.setEmergencyKeyHeld(false);
    EXPECT_FALSE(hold.isHolding());
    EXPECT_EQ(hold.progress(), 0.0);
}

} // namespace
} // namespace qv
