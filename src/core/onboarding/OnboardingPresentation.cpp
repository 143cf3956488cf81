// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/onboarding/OnboardingPresentation.h"

#include "core/onboarding/OnboardingTexts.h"
#include "core/services/LaunchAtLoginController.h"
#include "core/settings/SettingsStore.h"

#include <QCoreApplication>

namespace qv {

using onboarding::actCount;
using CameraState = OnboardingModel::CameraState;
using TrialPhase = OnboardingModel::TrialPhase;

OnboardingPresentation::OnboardingPresentation(OnboardingModel& model, SettingsStore& settings,
                                               LaunchAtLoginController& launchAtLogin,
                                               TimeSource& time, QObject* parent)
    : QObject(parent)
    , model_(model)
    , settings_(settings)
    , launchAtLogin_(launchAtLogin)
    , rehearsal_(time) {
    connectSources();
    rehearsal_.setActive(model_.step() == 1);
}

void OnboardingPresentation::connectSources() {
    connect(&model_, &OnboardingModel::stepChanged, this, &OnboardingPresentation::announceStep);
    for (auto signal : {&OnboardingModel::cameraStateChanged, &OnboardingModel::trialPhaseChanged,
                        &OnboardingModel::trialPoseChanged, &OnboardingModel::trialFeedbackChanged,
                        &OnboardingModel::trialFailureMessageChanged}) {
        connect(&model_, signal, this, &OnboardingPresentation::announceTrial);
    }
    for (auto signal :
         {&SettingsStore::workIntervalMinutesChanged, &SettingsStore::squatRepetitionsChanged}) {
        connect(&settings_, signal, this, &OnboardingPresentation::announceInterval);
    }
    connect(&settings_, &SettingsStore::honorDurationSecondsChanged, this,
            &OnboardingPresentation::honorChoicesChanged);
    connect(&launchAtLogin_, &LaunchAtLoginController::isOnChanged, this,
            &OnboardingPresentation::launchAtLoginOnChanged);
    connect(&launchAtLogin_, &LaunchAtLoginController::statusMessageChanged, this,
            &OnboardingPresentation::launchAtLoginMessageChanged);
}

void OnboardingPresentation::announceStep() {
    // The rehearsal only plays while its act is on screen.
    rehearsal_.setActive(model_.step() == 1);
    Q_EMIT stepChanged();
    Q_EMIT progressDotsChanged();
    Q_EMIT kickerChanged();
    Q_EMIT forwardTextChanged();
    Q_EMIT canGoBackChanged();
}

void OnboardingPresentation::announceInterval() {
    Q_EMIT dealTextChanged();
    Q_EMIT loopStepsChanged();
    Q_EMIT loopAccessibleNameChanged();
    Q_EMIT nextBreakTextChanged();
    Q_EMIT intervalTilesChanged();
    Q_EMIT customTileChanged();
}

void OnboardingPresentation::announceTrial() {
    Q_EMIT trialSubtitleChanged();
    Q_EMIT cameraStatusLabelChanged();
    Q_EMIT cameraButtonTextChanged();
    Q_EMIT isCameraButtonShownChanged();
    Q_EMIT isCameraButtonEnabledChanged();
    Q_EMIT isCameraLiveChanged();
    Q_EMIT isCameraReadyChanged();
    Q_EMIT checklistChanged();
    Q_EMIT guidanceHeadingChanged();
    Q_EMIT guidanceDetailChanged();
    Q_EMIT coachingCueChanged();
    Q_EMIT helpTitleChanged();
    Q_EMIT helpTextChanged();
    Q_EMIT canSkipCameraChanged();
    Q_EMIT isDeniedChanged();
    Q_EMIT isFailedChanged();
    Q_EMIT isCountedChanged();
}

OnboardingTexts OnboardingPresentation::texts() const {
    OnboardingTexts t;
    t.back = QCoreApplication::translate("Onboarding", "Back");
    t.dealTitle = QCoreApplication::translate("Onboarding", "Sitting is easy.");
    t.dealTitleSecond = QCoreApplication::translate("Onboarding", "That's the problem.");
    t.dealFootnote = QCoreApplication::translate("Onboarding", "Four short acts. One real squat.");
    t.badges = {QCoreApplication::translate("Onboarding", "ON-DEVICE"),
                QCoreApplication::translate("Onboarding", "NOT RECORDED"),
                QCoreApplication::translate("Onboarding", "NOT UPLOADED")};
    t.rehearsalTitle =
        QCoreApplication::translate("Onboarding", "This is what a break looks like.");
    t.rehearsalSubtitle = QCoreApplication::translate(
        "Onboarding", "Watch one cycle. The counter, cues and lock match the real break.");
    t.rehearsalLabel = QCoreApplication::translate("Onboarding", "MOTION REHEARSAL");
    t.rehearsalAccessibleName = QCoreApplication::translate(
        "Onboarding", "Animated rehearsal of a break: the countdown ends, the screen locks, "
                      "three squats are counted, the screen unlocks.");
    t.termsTitle = QCoreApplication::translate("Onboarding", "Choose your work rhythm.");
    t.termsSubtitle = QCoreApplication::translate(
        "Onboarding", "Quorvantel stays invisible until this timer ends.");
    t.intervalSection = QCoreApplication::translate("Onboarding", "TIME BETWEEN BREAKS");
    t.honorSection = QCoreApplication::translate("Onboarding", "IF THE CAMERA IS UNAVAILABLE");
    t.honorDetail = QCoreApplication::translate("Onboarding", "Use a timed break instead.");
    t.loginSection = QCoreApplication::translate("Onboarding", "START AUTOMATICALLY");
    t.loginToggle = QCoreApplication::translate("Onboarding", "Launch Quorvantel at login");
    t.loginDetail = QCoreApplication::translate("Onboarding", "The timer starts when you sign in.");
    t.proofTitle = QCoreApplication::translate("Onboarding", "One squat. Watch it count.");
    t.privacyTitle = QCoreApplication::translate("Onboarding", "PRIVATE BY DESIGN");
    t.privacyText = QCoreApplication::translate(
        "Onboarding", "On-device pose tracking reads your joints on this computer. No frame "
                      "is stored or sent anywhere.");
    t.repRule = QCoreApplication::translate("Onboarding", "Hips drop. Hips return. That's a rep.");
    t.squatOnce = QCoreApplication::translate("Onboarding", "Squat once");
    t.skip = QCoreApplication::translate("Onboarding", "Continue without it");
    t.openCameraSettings = QCoreApplication::translate("Onboarding", "Open Camera Settings");
    t.successTitle = QCoreApplication::translate("Onboarding", "COUNTED");
    t.successText = QCoreApplication::translate("Onboarding", "It works.");
    t.previewAccessibleName =
        QCoreApplication::translate("Onboarding", "Camera preview with the detected skeleton");
    return t;
}

QVariantList OnboardingPresentation::progressDots() const {
    QVariantList dots;
    for (int act = 0; act < actCount; ++act) {
        const bool current = act == model_.step();
        dots.append(QVariantMap{
            {QStringLiteral("step"), act},
            {QStringLiteral("label"), onboarding::actIndicator(act)},
            {QStringLiteral("accessibleName"), onboarding::actAccessibleName(act, current)},
            {QStringLiteral("isCurrent"), current},
            {QStringLiteral("isDone"), act < model_.step()},
        });
    }
    return dots;
}

QString OnboardingPresentation::kicker() const {
    return onboarding::actKicker(model_.step());
}

QString OnboardingPresentation::forwardText() const {
    return onboarding::forwardButtonText(model_.step());
}

QString OnboardingPresentation::dealText() const {
    return onboarding::dealText(settings_.workIntervalMinutes(), settings_.squatRepetitions());
}

QStringList OnboardingPresentation::loopSteps() const {
    return onboarding::loopSteps(settings_.squatRepetitions());
}

QString OnboardingPresentation::loopAccessibleName() const {
    return onboarding::loopAccessibleName(settings_.squatRepetitions());
}

QString OnboardingPresentation::nextBreakText() const {
    return QCoreApplication::translate("Onboarding", "Next break in %1")
        .arg(onboarding::cycleCountdownText(settings_.workIntervalMinutes()));
}

QVariantList OnboardingPresentation::intervalTiles() const {
    QVariantList tiles;
    const bool custom = isCustomIntervalSelected();
    for (const qint64 minutes : onboarding::workIntervalPresets()) {
        const onboarding::IntervalTileText text = onboarding::intervalTileText(minutes);
        tiles.append(QVariantMap{
            {QStringLiteral("minutes"), minutes},
            {QStringLiteral("number"), text.number},
            {QStringLiteral("unit"), text.unit},
            {QStringLiteral("accessibleName"), text.accessibleName},
            {QStringLiteral("isSelected"), !custom && settings_.workIntervalMinutes() == minutes},
        });
    }
    return tiles;
}

bool OnboardingPresentation::isCustomIntervalSelected() const {
    return onboarding::isCustomIntervalSelected(customIntervalChosen_,
                                                settings_.workIntervalMinutes());
}

QVariantMap OnboardingPresentation::customTile() const {
    const qint64 minutes = settings_.workIntervalMinutes();
    const SettingsStore::Range range = SettingsStore::workIntervalRange;
    return {
        {QStringLiteral("label"), QCoreApplication::translate("Onboarding", "CUSTOM")},
        // Until it is chosen the tile shows no number, so two tiles never show the same one.
        {QStringLiteral("number"),
         isCustomIntervalSelected() ? QString::number(minutes) : QStringLiteral("—")},
        {QStringLiteral("unit"), QCoreApplication::translate("Onboarding", "MINS")},
        {QStringLiteral("isSelected"), isCustomIntervalSelected()},
        {QStringLiteral("canDecrease"), minutes > range.lowest},
        {QStringLiteral("canIncrease"), minutes < range.highest},
        {QStringLiteral("accessibleName"),
         QCoreApplication::translate("Onboarding", "Custom interval, %1 minutes").arg(minutes)},
        {QStringLiteral("accessibleDescription"),
         QCoreApplication::translate(
             "Onboarding", "Use the minus and plus buttons, or the arrow keys, to adjust")},
    };
}

QVariantList OnboardingPresentation::honorChoices() const {
    QVariantList choices;
    for (const qint64 seconds : onboarding::honorDurationPresets) {
        choices.append(QVariantMap{
            {QStringLiteral("seconds"), seconds},
            {QStringLiteral("label"), onboarding::honorPresetText(seconds)},
            {QStringLiteral("accessibleName"), onboarding::honorPresetAccessibleName(seconds)},
            {QStringLiteral("isSelected"), settings_.honorDurationSeconds() == seconds},
        });
    }
    return choices;
}

bool OnboardingPresentation::launchAtLoginOn() const {
    return launchAtLogin_.isOn();
}

QString OnboardingPresentation::launchAtLoginMessage() const {
    return launchAtLogin_.statusMessageText();
}

QString OnboardingPresentation::trialSubtitle() const {
    return onboarding::trialSubtitle(model_.trialPhase(), model_.trialFailureMessage());
}

QString OnboardingPresentation::cameraStatusLabel() const {
    return onboarding::cameraStatusLabel(model_.cameraState(), model_.trialFailureMessage());
}

QString OnboardingPresentation::cameraButtonText() const {
    return onboarding::cameraButtonText(model_.cameraState(), model_.trialFailureMessage());
}

bool OnboardingPresentation::isCameraButtonShown() const {
    return model_.trialPhase() == TrialPhase::off && model_.cameraState() != CameraState::denied;
}

bool OnboardingPresentation::isCameraButtonEnabled() const {
    return model_.cameraState() != CameraState::requesting;
}

bool OnboardingPresentation::isCameraLive() const {
    return model_.trialPhase() != TrialPhase::off;
}

bool OnboardingPresentation::isCameraReady() const {
    return model_.cameraState() == CameraState::granted;
}

QVariantList OnboardingPresentation::checklist() const {
    QVariantList rows;
    for (const onboarding::ChecklistRow& row : onboarding::trialChecklist(model_.trialPose())) {
        rows.append(
            QVariantMap{{QStringLiteral("text"), row.text}, {QStringLiteral("isMet"), row.isMet}});
    }
    return rows;
}

QString OnboardingPresentation::guidanceHeading() const {
    return onboarding::trialGuidance(model_.trialPhase(), model_.trialPose()).heading;
}

QString OnboardingPresentation::guidanceDetail() const {
    return onboarding::trialGuidance(model_.trialPhase(), model_.trialPose()).detail;
}

QString OnboardingPresentation::coachingCue() const {
    return onboarding::coachingCue(model_.trialFeedbackKind(), model_.trialFeedback());
}

QString OnboardingPresentation::helpTitle() const {
    if (isFailed()) {
        return model_.trialFailureMessage();
    }
    switch (model_.cameraState()) {
    case CameraState::idle:
    case CameraState::requesting:
        return QCoreApplication::translate("Onboarding", "Allow the camera");
    case CameraState::denied:
        return QCoreApplication::translate("Onboarding", "Camera access is off");
    default:
        return QString();
    }
}

QString OnboardingPresentation::helpText() const {
    if (isFailed()) {
        return QCoreApplication::translate(
            "Onboarding", "Nothing is locked. Check the camera, then choose Try again — or "
                          "continue without it.");
    }
    switch (model_.cameraState()) {
    case CameraState::idle:
    case CameraState::requesting:
        return QCoreApplication::translate("Onboarding",
                                           "Your system asks once. Frames stay on this computer.");
    case CameraState::denied:
        return QCoreApplication::translate(
            "Onboarding", "Timed breaks still work. You can enable the camera later in Settings.");
    default:
        return QString();
    }
}

bool OnboardingPresentation::isDenied() const {
    return model_.cameraState() == CameraState::denied;
}

bool OnboardingPresentation::isFailed() const {
    return !model_.trialFailureMessage().isEmpty();
}

bool OnboardingPresentation::isCounted() const {
    return model_.trialPhase() == TrialPhase::counted;
}

void OnboardingPresentation::chooseInterval(qint64 minutes) {
    setCustomIntervalChosen(false);
    settings_.setWorkIntervalMinutes(minutes);
}

void OnboardingPresentation::adjustCustomInterval(int direction) {
    settings_.setWorkIntervalMinutes(
        onboarding::adjustedCustomInterval(settings_.workIntervalMinutes(), direction));
    setCustomIntervalChosen(true);
}

void OnboardingPresentation::setCustomIntervalChosen(bool chosen) {
    if (customIntervalChosen_ != chosen) {
        customIntervalChosen_ = chosen;
        Q_EMIT intervalTilesChanged();
        Q_EMIT customTileChanged();
    }
}

void OnboardingPresentation::chooseHonorDuration(qint64 seconds) {
    settings_.setHonorDurationSeconds(seconds);
}

void OnboardingPresentation::chooseHonorChoice(int index) {
    const auto& presets = onboarding::honorDurationPresets;
    if (index >= 0 && index < static_cast<int>(presets.size())) {
        chooseHonorDuration(presets[static_cast<std::size_t>(index)]);
    }
}

void OnboardingPresentation::setLaunchAtLogin(bool on) {
    launchAtLogin_.setEnabled(on);
}

void OnboardingPresentation::openCameraSettings() {
    if (auto open = onOpenCameraSettings) {
        open();
    }
}

} // namespace qv
