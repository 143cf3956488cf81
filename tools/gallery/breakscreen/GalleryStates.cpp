// SPDX-License-Identifier: GPL-3.0-or-later
#include "GalleryStates.h"

#include "ClipFrame.h"
#include "core/verification/FeedbackCue.h"

#include <QCoreApplication>
#include <QDir>

namespace qv::gallery {

namespace {

Result<AnalysedFrame> clipFrame(const QDir& dir, const QString& file, double atSeconds) {
    ClipFrame clip = analyseClipFrame(dir.filePath(file), atSeconds);
    if (!clip.frame) {
        return Failure{QStringLiteral("%1: %2").arg(file, clip.error)};
    }
    return std::move(*clip.frame);
}

BreakOverlayModel::Initial initial(ExerciseKind kind = ExerciseKind::squat, int escapes = 3) {
    BreakOverlayModel::Initial values;
    values.exerciseKind = kind;
    values.targetRepetitions = kind == ExerciseKind::squat ? 10 : 12;
    values.totalSeconds = 30;
    values.secondsRemaining = 30;
    values.emergencyEscapesRemaining = escapes;
    return values;
}

void framing(BreakOverlayModel& model, const AnalysedFrame& frame, double elapsed) {
    model.apply(progress::Framing{frame.pose, frame.preview, elapsed});
}

void exercise(BreakOverlayModel& model, const AnalysedFrame& frame, int repetitions, int target) {
    model.apply(progress::Exercise{frame.pose, frame.preview, repetitions, target});
}

} // namespace

Result<Frames> loadFrames() {
    const QByteArray dir = qgetenv("QV_TESTDATA_DIR");
    if (dir.isEmpty()) {
        return Failure{QStringLiteral("QV_TESTDATA_DIR is not set")};
    }
    const QDir clips(QString::fromLocal8Bit(dir) + QStringLiteral("/real"));
    auto squat = clipFrame(clips, QStringLiteral("squat-side-3.mp4"), 2.0);
    if (!squat) {
        return Failure{squat.error()};
    }
    auto raise = clipFrame(clips, QStringLiteral("jacks-studio-11.mp4"), 2.0);
    if (!raise) {
        return Failure{raise.error()};
    }
    return Frames{std::move(*squat), std::move(*raise)};
}

std::vector<State> states() {
    using Model = BreakOverlayModel;
    const auto raise = ExerciseKind::overheadRaise;
    const auto noOp = [](Model&, const Frames&) {};
    return {
        {QStringLiteral("01-preparing"), initial(), noOp},
        {QStringLiteral("02-permission"), initial(),
         [](Model& m, const Frames&) { m.apply(progress::CameraPermissionRequired{}); }},
        {QStringLiteral("03-framing-waiting"), initial(),
         [](Model& m, const Frames&) {
             m.apply(progress::Framing{std::nullopt, std::nullopt, 1.2});
         }},
        {QStringLiteral("04-framing"), initial(),
         [](Model& m, const Frames& f) { framing(m, f.squat, 4.3); }},
        {QStringLiteral("05-framing-other-ways"), initial(),
         [](Model& m, const Frames& f) { framing(m, f.squat, 24); }},
        {QStringLiteral("06-framing-raise-other-ways"), initial(raise),
         [](Model& m, const Frames& f) { framing(m, f.overheadRaise, 21); }},
        {QStringLiteral("07-exercise"), initial(),
         [](Model& m, const Frames& f) {
             m.onSwitchToOverheadRaise = [] {};
             exercise(m, f.squat, 3, 10);
         }},
        {QStringLiteral("08-exercise-message-sound-off"), initial(),
         [](Model& m, const Frames& f) {
             m.onSwitchToOverheadRaise = [] {};
             exercise(m, f.squat, 7, 10);
             m.setStatusMessage(feedbackKey(FeedbackCue::standUp), StatusKind::coaching);
             m.setSoundEnabled(false);
         }},
        {QStringLiteral("09-exercise-raise"), initial(raise),
         [](Model& m, const Frames& f) {
             exercise(m, f.overheadRaise, 11, 12);
             m.setStatusMessage(feedbackKey(FeedbackCue::raiseArms), StatusKind::coaching);
         }},
        {QStringLiteral("10-honor"), initial(),
         [](Model& m, const Frames&) {
             m.apply(progress::HonorCountdown{12, 30});
         }},
        {QStringLiteral("11-honor-camera-message"), initial(),
         [](Model& m, const Frames&) {
             m.apply(progress::HonorCountdown{27, 30});
             // The camera's own words, so the picture shows them in the chosen language.
             m.setStatusMessage(
                 QCoreApplication::translate(
                     "Camera", "Camera is busy in another app. Continuing with the honor timer."),
                 StatusKind::cameraOff);
         }},
        {QStringLiteral("12-success"), initial(),
         [](Model& m, const Frames&) { m.showSuccess(10, 5, true); }},
        {QStringLiteral("13-success-timed-reduced-motion"), initial(),
         [](Model& m, const Frames&) { m.showSuccess(0, 0, false); }, 0, true},
        {QStringLiteral("14-no-escapes-left"), initial(ExerciseKind::squat, 0),
         [](Model& m, const Frames& f) {
             exercise(m, f.squat, 4, 10);
             // The application's own words, so the picture shows them in the chosen language.
             m.updateEmergencyEscape(
                 0, QCoreApplication::translate("BreakScreen",
                                                "Emergency escape limit reached for today"));
         }},
        {QStringLiteral("15-holding-escape"), initial(),
         [](Model& m, const Frames& f) { exercise(m, f.squat, 5, 10); }, 1.2},
    };
}

} // namespace qv::gallery
