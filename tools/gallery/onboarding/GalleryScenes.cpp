// SPDX-License-Identifier: GPL-3.0-or-later
#include "GalleryScenes.h"

#include "core/settings/SettingsStore.h"
#include "core/verification/FeedbackCue.h"
#include "ui/onboarding/OnboardingController.h"

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace qv::gallery {

namespace {

// A dim room seen from the desk: a wall, a floor and a window's light.
Image roomPicture() {
    QImage picture(640, 480, QImage::Format_RGB888);
    QPainter painter(&picture);
    QLinearGradient wall(0, 0, 0, 330);
    wall.setColorAt(0, QColor(0x4a, 0x52, 0x5e));
    wall.setColorAt(1, QColor(0x3a, 0x40, 0x4a));
    painter.fillRect(0, 0, 640, 330, wall);
    QLinearGradient floor(0, 330, 0, 480);
    floor.setColorAt(0, QColor(0x5b, 0x4a, 0x3c));
    floor.setColorAt(1, QColor(0x3e, 0x32, 0x29));
    painter.fillRect(0, 330, 640, 150, floor);
    painter.fillRect(430, 60, 140, 170, QColor(0x8d, 0x9c, 0xae));
    painter.fillRect(498, 60, 4, 170, QColor(0x4a, 0x52, 0x5e));
    painter.end();
    const QByteArray rgb(reinterpret_cast<const char*>(picture.constBits()),
                         int(picture.sizeInBytes()));
    QByteArray packed;
    for (int y = 0; y < picture.height(); ++y) {
        packed.append(rgb.mid(y * int(picture.bytesPerLine()), picture.width() * 3));
    }
    return Image(picture.width(), picture.height(), packed);
}

// A person seen from the side; depth 0 stands, 1 is the bottom of a squat. lowAnkle puts the
// feet on the picture's lower edge, outside the framing margin.
PoseSnapshot sidePose(double depth, bool lowAnkle) {
    const auto mix = [depth](double up, double down) { return up + (down - up) * depth; };
    PoseSnapshot pose;
    const auto put = [&pose](Joint joint, double x, double y) {
        pose.setJoint(joint, {{x, y}, 0.9f});
    };
    const double ankleY = lowAnkle ? 0.0 : 0.12;
    put(Joint::nose, mix(0.47, 0.52), mix(0.86, 0.66));
    put(Joint::neck, mix(0.45, 0.48), mix(0.78, 0.58));
    put(Joint::leftShoulder, mix(0.45, 0.48), mix(0.77, 0.57));
    put(Joint::leftElbow, mix(0.46, 0.57), mix(0.62, 0.55));
    put(Joint::leftWrist, mix(0.47, 0.66), mix(0.5, 0.56));
    put(Joint::root, mix(0.45, 0.36), mix(0.5, 0.34));
    put(Joint::leftHip, mix(0.45, 0.36), mix(0.5, 0.34));
    put(Joint::leftKnee, mix(0.47, 0.53), mix(0.31, 0.3));
    put(Joint::leftAnkle, 0.45, ankleY);
    return pose;
}

void showStep(OnboardingController& controller, int step) {
    controller.model().goToStep(step);
}

Scene rehearsalBeat(const QString& name, int beat) {
    return {name, [beat](OnboardingController& c, Camera&) {
                showStep(c, 1);
                c.presentation().rehearsal()->showBeat(beat);
            }};
}

// Starts a practice run (the camera is allowed) and returns its engine.
ScriptedEngine& startRun(OnboardingController& controller, Camera& camera) {
    showStep(controller, 3);
    controller.model().stopTrial();
    camera.authorization = CameraAuthorization::authorized;
    controller.model().refreshCameraState();
    controller.model().requestCamera();
    return *camera.engine;
}

} // namespace

OnboardingModel::Platform Camera::platform() {
    OnboardingModel::Platform p;
    p.authorizationStatus = [this] { return authorization; };
    p.requestAccess = [](std::function<void(bool)>) {}; // the answer never comes
    p.makeTrialProvider = [this](const std::optional<QString>&) {
        auto made = std::make_unique<ScriptedEngine>();
        engine = made.get();
        return made;
    };
    p.hasCamera = [this] { return isConnected; };
    return p;
}

std::vector<Scene> scenes() {
    return {
        {QStringLiteral("act1-deal"), [](OnboardingController& c, Camera&) { showStep(c, 0); }},
        rehearsalBeat(QStringLiteral("act2-rehearsal-countdown"), 0),
        rehearsalBeat(QStringLiteral("act2-rehearsal-locked"), 3),
        rehearsalBeat(QStringLiteral("act2-rehearsal-squat-down"), 6),
        rehearsalBeat(QStringLiteral("act2-rehearsal-squat-up"), 7),
        {QStringLiteral("act2-rehearsal-reduced-motion"),
         [](OnboardingController& c, Camera&) {
             showStep(c, 1);
             c.presentation().rehearsal()->setReduceMotion(true);
         }},
        {QStringLiteral("act3-terms"), [](OnboardingController& c, Camera&) { showStep(c, 2); }},
        {QStringLiteral("act3-terms-leavable"),
         [](OnboardingController&, Camera& camera) {
             camera.desktop.set({BreakHoldGuarantee::leavable, BreakHoldRemedy::enable});
         }},
        {QStringLiteral("act3-terms-custom"),
         [](OnboardingController& c, Camera& camera) {
             camera.desktop.set({BreakHoldGuarantee::held});
             c.presentation().rehearsal()->setReduceMotion(false);
             c.presentation().chooseHonorDuration(60);
             c.presentation().adjustCustomInterval(-1);
             c.presentation().adjustCustomInterval(-1);
             c.presentation().setLaunchAtLogin(true);
         }},
        {QStringLiteral("act4-camera-not-asked"),
         [](OnboardingController& c, Camera& camera) {
             camera.authorization = CameraAuthorization::notDetermined;
             showStep(c, 3);
         }},
        {QStringLiteral("act4-camera-requesting"),
         [](OnboardingController& c, Camera&) { c.model().requestCamera(); }},
        {QStringLiteral("act4-camera-denied"),
         [](OnboardingController& c, Camera& camera) {
             showStep(c, 2);
             camera.authorization = CameraAuthorization::denied;
             showStep(c, 3);
         }},
        {QStringLiteral("act4-camera-ready"),
         [](OnboardingController& c, Camera& camera) {
             camera.authorization = CameraAuthorization::authorized;
             c.model().refreshCameraState();
         }},
        {QStringLiteral("act4-camera-none"),
         [](OnboardingController& c, Camera& camera) {
             camera.isConnected = false;
             showStep(c, 2);
             showStep(c, 3);
             camera.isConnected = true;
         }},
        {QStringLiteral("act4-run-starting"),
         [](OnboardingController& c, Camera& camera) {
             startRun(c, camera).report(progress::Preparing{});
         }},
        {QStringLiteral("act4-run-framing"),
         [](OnboardingController& c, Camera& camera) {
             startRun(c, camera).report(progress::Framing{sidePose(0, true), roomPicture(), 0.4});
         }},
        {QStringLiteral("act4-run-exercising"),
         [](OnboardingController& c, Camera& camera) {
             ScriptedEngine& engine = startRun(c, camera);
             engine.report(progress::Exercise{sidePose(0.7, false), roomPicture(), 0, 1});
             engine.report(progress::TrackingFeedback{feedbackKey(FeedbackCue::squatDown)});
         }},
        {QStringLiteral("act4-run-failed"),
         [](OnboardingController& c, Camera& camera) {
             // The camera's own words, so the picture shows them in the chosen language.
             startRun(c, camera).report(progress::Failed{QCoreApplication::translate(
                 "Camera", "Camera stopped responding. Continuing with the honor timer.")});
         }},
        {QStringLiteral("act4-run-counted"),
         [](OnboardingController& c, Camera& camera) {
             ScriptedEngine& engine = startRun(c, camera);
             engine.report(progress::Exercise{sidePose(0, false), roomPicture(), 1, 1});
             engine.complete();
         }},
    };
}

} // namespace qv::gallery
