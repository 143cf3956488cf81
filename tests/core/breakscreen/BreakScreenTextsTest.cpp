// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/breakscreen/BreakScreenTexts.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace qv::breakscreen {
namespace {

using Mode = BreakOverlayModel::Mode;

constexpr auto squat = ExerciseKind::squat;
constexpr auto raise = ExerciseKind::overheadRaise;

// The kind decides; the words of a notice never do (they may be in any language).
TEST(CoachingHeadline, FollowsTheKindAndOnlyACoachingKeyPicksACue) {
    using enum StatusKind;
    const std::tuple<ExerciseKind, StatusKind, const char*, const char*> cases[] = {
        {squat, coaching, "", "Squat down"},
        {raise, coaching, "", "Raise both arms"},
        {raise, coaching, "Lower both arms", "Lower arms"},
        {squat, coaching, "Stand up", "Stand up"},
        {squat, cameraPaused, "Kamera pausiert", "Camera paused"},
        // A notice that happens to read like a key is still news, not a correction.
        {squat, cameraSubstituted, "Step back", "Squat down"},
        {raise, cameraOff, "Stand tall", "Raise both arms"},
    };
    for (const auto& [kind, status, message, headline] : cases) {
        EXPECT_EQ(coachingHeadline(kind, status, QString::fromUtf8(message)),
                  QString::fromUtf8(headline))
            << message;
    }
}

PoseSnapshot poseWith(std::initializer_list<Joint> joints, float confidence = 0.9f) {
    PoseSnapshot pose;
    for (const Joint joint : joints) {
        pose.setJoint(joint, {{0.5, 0.5}, confidence});
    }
    return pose;
}

TEST(Framing, HintAndChecklistFollowTheConfidentJoints) {
    const auto shoulders = poseWith({Joint::leftShoulder, Joint::rightShoulder});
    const auto arms = poseWith({Joint::leftShoulder, Joint::rightShoulder, Joint::leftElbow,
                                Joint::rightElbow, Joint::leftWrist, Joint::rightWrist});
    const auto leg = poseWith({Joint::leftHip, Joint::leftKnee, Joint::leftAnkle});
    const QString ready = framingHint(raise, arms);
    EXPECT_NE(framingHint(raise, shoulders), ready);
    EXPECT_NE(framingHint(raise, std::nullopt), framingHint(raise, shoulders));
    EXPECT_EQ(framingHint(squat, leg), ready);
    EXPECT_NE(framingHint(squat, shoulders), ready);
    // Joints below the confidence floor count as missing.
    EXPECT_EQ(framingHint(raise, poseWith({Joint::leftShoulder, Joint::rightShoulder}, 0.29f)),
              framingHint(raise, shoulders));

    const auto raiseRows = framingChecklist(raise, shoulders);
    EXPECT_TRUE(raiseRows[0].isMet);
    EXPECT_FALSE(raiseRows[1].isMet);
    EXPECT_TRUE(framingChecklist(squat, leg)[0].isMet);
    for (const auto& row : framingChecklist(squat, std::nullopt)) {
        EXPECT_FALSE(row.isMet) << row.text.toStdString();
    }
}

// The hold counts its seconds down; once the day's escapes are spent the control stops offering
// a hold and tells when the break lets go by itself.
TEST(EscapeTexts, TellTheHoldTheLimitAndTheRelease) {
    const auto idle = escapeTexts(2, 3, std::nullopt);
    EXPECT_TRUE(idle.remainingText.contains("2 left"));
    EXPECT_EQ(idle.chordKeys, QStringList({"Shift", "Ctrl", "E"}));
    EXPECT_TRUE(idle.accessibleName.contains("2 remaining"));
    EXPECT_TRUE(escapeTexts(2, 3, 2).title.endsWith("2S"));
    const auto none = escapeTexts(0, 6, 2);
    EXPECT_NE(none.title, idle.title);
    EXPECT_EQ(none.title, escapeTexts(0, 6, std::nullopt).title) << "no countdown without escapes";
    EXPECT_TRUE(none.subtitle.contains("6 min"));
    EXPECT_TRUE(none.chordKeys.isEmpty()) << "no chord offered without escapes";
    EXPECT_TRUE(none.accessibleName.contains("6 minutes"));
}

} // namespace
} // namespace qv::breakscreen
