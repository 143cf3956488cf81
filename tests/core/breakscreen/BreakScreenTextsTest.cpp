// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/breakscreen/BreakScreenTexts.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace qv::breakscreen {
namespace {

using Mode = BreakOverlayModel::Mode;

struct CoachingCase {
    ExerciseKind kind;
    const char* message;
    const char* headline;
};

class CoachingHeadline : public ::testing::TestWithParam<CoachingCase> {};

TEST_P(CoachingHeadline, FirstMatchingRuleWins) {
    const CoachingCase& c = GetParam();
    EXPECT_EQ(coachingHeadline(c.kind, QString::fromUtf8(c.message)), QString::fromUtf8(c.headline))
        << c.message;
}

constexpr auto squat = ExerciseKind::squat;
constexpr auto raise = ExerciseKind::overheadRaise;

INSTANTIATE_TEST_SUITE_P(
    Table, CoachingHeadline,
    ::testing::Values(
        CoachingCase{squat, "", "Squat down"}, CoachingCase{raise, "", "Raise both arms"},
        CoachingCase{raise, "Camera paused by the system", "Camera paused"},
        CoachingCase{squat, "CAMERA INTERRUPTED", "Camera paused"},
        // Naming the camera in use is news, not a correction.
        CoachingCase{squat, "Using the selected camera", "Squat down"},
        CoachingCase{raise, "Now using Front Camera", "Raise both arms"},
        // Its own rows come first for raises: "lower" before "hold".
        CoachingCase{raise, "Hold, then lower your arms", "Lower arms"},
        CoachingCase{raise, "Reach above your head", "Reach higher"},
        CoachingCase{raise, "Lift them", "Raise arms"}, CoachingCase{raise, "Hold it", "Hold"},
        CoachingCase{raise, "Keep hands visible", "Show both hands"},
        // Raises that match none of their rows fall through to the general ones.
        CoachingCase{raise, "Stand tall", "Stand tall"},
        CoachingCase{squat, "Go deeper", "Go lower"}, CoachingCase{squat, "hips back", "Go lower"},
        CoachingCase{squat, "Calibrating…", "Stand tall"},
        CoachingCase{squat, "Now extend your knees", "Stand up"},
        CoachingCase{squat, "Step into the frame", "Step back"},
        CoachingCase{squat, "Hold it there", "Hold"},
        CoachingCase{squat, "Next squat", "Squat down"},
        CoachingCase{squat, "Nice Work Keep Going", "Nice work keep"},
        CoachingCase{squat, "   ", "Keep going"}));

TEST(FallbackCountdown, CountsDownToTheButtonsAndNeverShowsZero) {
    EXPECT_EQ(fallbackCountdown(Mode::framing, 0), 20);
    EXPECT_EQ(fallbackCountdown(Mode::framing, 0.5), 20);
    EXPECT_EQ(fallbackCountdown(Mode::framing, 19.2), 1);
    EXPECT_EQ(fallbackCountdown(Mode::framing, 19.999), 1);
    EXPECT_EQ(fallbackCountdown(Mode::framing, 20.0), std::nullopt);
    EXPECT_EQ(fallbackCountdown(Mode::exercise, 3), std::nullopt);
}

TEST(AutoRelease, NeverPromisesLessThanThreeMinutes) {
    EXPECT_EQ(autoReleaseMinutes(1), 3);
    EXPECT_EQ(autoReleaseMinutes(60), 3);
    EXPECT_EQ(autoReleaseMinutes(151), 4); // 181 s rounds up
    EXPECT_EQ(autoReleaseMinutes(300), 6);
}

TEST(LayoutScale, ShrinksWithTheTighterSideDownToItsFloor) {
    EXPECT_DOUBLE_EQ(layoutScale(1920, 1080), 1);
    EXPECT_DOUBLE_EQ(layoutScale(1240, 640), 1);
    EXPECT_NEAR(layoutScale(1000, 600), 1000.0 / 1240, 1e-9);
    EXPECT_NEAR(layoutScale(1600, 560), 560.0 / 640, 1e-9);
    EXPECT_DOUBLE_EQ(layoutScale(500, 400), 0.55);
}

TEST(Summary, SingularOnlyForExactlyOne) {
    EXPECT_EQ(summaryText({1, 0, true}, squat), u"1 squat completed");
    EXPECT_EQ(summaryText({0, 0, true}, squat), u"0 squats completed");
    EXPECT_EQ(summaryText({10, 0, true}, squat), u"10 squats completed");
    EXPECT_EQ(summaryText({1, 0, true}, raise), u"1 overhead raise completed");
    EXPECT_EQ(summaryText({12, 0, true}, raise), u"12 overhead raises completed");
    EXPECT_EQ(summaryText({12, 0, false}, raise), u"Timed break finished");
    EXPECT_EQ(streakText(0), QString());
    EXPECT_EQ(streakText(1), u"1 day streak");
    EXPECT_EQ(streakText(7), u"7 day streak");
}

TEST(HonorPercent, ClampsToWholePercentsWithinTheRing) {
    EXPECT_EQ(honorPercent(-0.5), 0);
    EXPECT_EQ(honorPercent(0.999), 99);
    EXPECT_EQ(honorPercent(1.7), 100);
}

PoseSnapshot poseWith(std::initializer_list<Joint> joints, float confidence = 0.9f) {
    PoseSnapshot pose;
    for (const Joint joint : joints) {
        pose.setJoint(joint, {{0.5, 0.5}, confidence});
    }
    return pose;
}

TEST(Framing, HintAndChecklistFollowTheConfidentJoints) {
    const auto shouldersOnly = poseWith({Joint::leftShoulder, Joint::rightShoulder});
    EXPECT_EQ(framingHint(raise, std::nullopt), u"Face the camera");
    EXPECT_EQ(framingHint(raise, shouldersOnly), u"Show shoulders and hands");
    const auto rows = framingChecklist(raise, shouldersOnly);
    EXPECT_TRUE(rows[0].isMet);
    EXPECT_FALSE(rows[1].isMet);
    const auto arms = poseWith({Joint::leftShoulder, Joint::rightShoulder, Joint::leftElbow,
                                Joint::rightElbow, Joint::leftWrist, Joint::rightWrist});
    EXPECT_EQ(framingHint(raise, arms), u"Hold still");
    // Joints below the confidence floor count as missing.
    EXPECT_EQ(framingHint(raise, poseWith({Joint::leftShoulder, Joint::rightShoulder}, 0.29f)),
              u"Show shoulders and hands");

    EXPECT_EQ(framingHint(squat, std::nullopt), u"Step back");
    EXPECT_EQ(framingHint(squat, shouldersOnly), u"Show your legs");
    const auto leg = poseWith({Joint::leftHip, Joint::leftKnee, Joint::leftAnkle});
    EXPECT_EQ(framingHint(squat, leg), u"Hold still");
    EXPECT_TRUE(framingChecklist(squat, leg)[0].isMet);
    for (const auto& row : framingChecklist(squat, std::nullopt)) {
        EXPECT_FALSE(row.isMet) << row.text.toStdString();
    }
}

TEST(EscapeTexts, TellTheHoldTheLimitAndTheChord) {
    const auto idle = escapeTexts(2, 3, std::nullopt);
    EXPECT_EQ(idle.title, u"EMERGENCY EXIT");
    EXPECT_EQ(idle.subtitle, QString::fromUtf8("Hold 3s · ⇧Ctrl E · 2 left"));
    EXPECT_TRUE(idle.accessibleName.contains(u"2 remaining today"));
    EXPECT_EQ(escapeTexts(2, 3, 2).title, QString::fromUtf8("KEEP HOLDING · 2S"));
    const auto none = escapeTexts(0, 6, 2);
    EXPECT_EQ(none.title, u"EXIT LIMIT REACHED");
    EXPECT_EQ(none.subtitle, QString::fromUtf8("Auto-release ≤ 6 min"));
    EXPECT_TRUE(none.accessibleName.endsWith(u"within 6 minutes."));
}

} // namespace
} // namespace qv::breakscreen
