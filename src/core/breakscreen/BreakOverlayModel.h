// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/media/Image.h"
#include "core/verification/ExerciseKind.h"
#include "core/verification/PoseSnapshot.h"
#include "core/verification/PreviewDemand.h"
#include "core/verification/PreviewSource.h"
#include "core/verification/VerificationProgress.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace qv {

class SoundPlayer;

// What the success screen sums up.
struct SuccessSummary {
    int repetitions = 0;
    int streakDays = 0;
    bool wasVerified = false;
    bool operator==(const SuccessSummary&) const = default;
};

// The observable state of one break screen. The application model changes it only through
// apply, updateEmergencyEscape, switchExercise and showSuccess, and a copy in the break
// screen's own process follows it through restore; every break window shows the same
// instance, and the views only read it and call back through the on… callbacks.
class BreakOverlayModel : public QObject, public PreviewSource {
    Q_OBJECT
    Q_PROPERTY(Mode mode READ mode NOTIFY modeChanged)
    Q_PROPERTY(int secondsRemaining READ secondsRemaining NOTIFY secondsRemainingChanged)
    Q_PROPERTY(int totalSeconds READ totalSeconds NOTIFY totalSecondsChanged)
    Q_PROPERTY(int repetitions READ repetitions NOTIFY repetitionsChanged)
    Q_PROPERTY(int targetRepetitions READ targetRepetitions NOTIFY targetRepetitionsChanged)
    Q_PROPERTY(bool hasPose READ hasPose NOTIFY poseChanged)
    Q_PROPERTY(bool hasPreview READ hasPreview NOTIFY previewChanged)
    Q_PROPERTY(double framingElapsed READ framingElapsed NOTIFY framingElapsedChanged)
    Q_PROPERTY(QString statusMessage READ statusMessage NOTIFY statusMessageChanged)
    Q_PROPERTY(bool isOverheadRaise READ isOverheadRaise NOTIFY exerciseKindChanged)
    Q_PROPERTY(bool hasSuccessSummary READ hasSuccessSummary NOTIFY successSummaryChanged)
    Q_PROPERTY(int emergencyEscapesRemaining READ emergencyEscapesRemaining NOTIFY
                   emergencyEscapesRemainingChanged)
    Q_PROPERTY(QString emergencyEscapeStatusMessage READ emergencyEscapeStatusMessage NOTIFY
                   emergencyEscapeStatusMessageChanged)
    Q_PROPERTY(bool isEmergencyKeyHeld READ isEmergencyKeyHeld NOTIFY isEmergencyKeyHeldChanged)
    Q_PROPERTY(bool soundEnabled READ soundEnabled NOTIFY soundEnabledChanged)

public:
    enum class Mode { preparing, permission, framing, exercise, honor, success };
    Q_ENUM(Mode)

    // What the model starts with; the application model fills it from the settings and the
    // escape gate. Counts below their floors are raised to them.
    struct Initial {
        int secondsRemaining = 0;
        int totalSeconds = 1;
        int targetRepetitions = 1;
        ExerciseKind exerciseKind = ExerciseKind::squat;
        int emergencyEscapesRemaining = 0;
        bool soundEnabled = true;
    };

    // Every observable field but the picture and what the views ask of the camera: what another
    // process needs to show the same break.
    struct State {
        Mode mode = Mode::preparing;
        int secondsRemaining = 0;
        int totalSeconds = 1;
        int repetitions = 0;
        int targetRepetitions = 1;
        std::optional<PoseSnapshot> pose;
        double framingElapsed = 0;
        QString statusMessage;
        StatusKind statusKind = StatusKind::coaching;
        ExerciseKind exerciseKind = ExerciseKind::squat;
        std::optional<SuccessSummary> successSummary;
        int emergencyEscapesRemaining = 0;
        QString emergencyEscapeStatusMessage;
        bool isEmergencyKeyHeld = false;
        bool soundEnabled = true;
        bool operator==(const State&) const = default;
    };

    // sounds may be null (no sound at all, for tests of the views).
    BreakOverlayModel(const Initial& initial, SoundPlayer* sounds, QObject* parent = nullptr);

    Mode mode() const { return state_.mode; }
    int secondsRemaining() const { return state_.secondsRemaining; }
    int totalSeconds() const { return state_.totalSeconds; }
    int repetitions() const { return state_.repetitions; }
    int targetRepetitions() const { return state_.targetRepetitions; }
    const std::optional<PoseSnapshot>& pose() const { return state_.pose; }
    bool hasPose() const { return state_.pose.has_value(); }
    const std::optional<Image>& preview() const { return preview_; }
    bool hasPreview() const { return preview_.has_value(); }
    const std::optional<Image>& previewImage() const override { return preview_; }
    const std::optional<PoseSnapshot>& previewPose() const override { return state_.pose; }
    void watchPreview(QObject* context, std::function<void()> onChange) override;
    double framingElapsed() const { return state_.framingElapsed; }
    const QString& statusMessage() const { return state_.statusMessage; }
    StatusKind statusKind() const { return state_.statusKind; }
    ExerciseKind exerciseKind() const { return state_.exerciseKind; }
    bool isOverheadRaise() const { return state_.exerciseKind == ExerciseKind::overheadRaise; }
    const std::optional<SuccessSummary>& successSummary() const { return state_.successSummary; }
    bool hasSuccessSummary() const { return state_.successSummary.has_value(); }
    int emergencyEscapesRemaining() const { return state_.emergencyEscapesRemaining; }
    const QString& emergencyEscapeStatusMessage() const {
        return state_.emergencyEscapeStatusMessage;
    }
    bool isEmergencyKeyHeld() const { return state_.isEmergencyKeyHeld; }
    bool soundEnabled() const { return state_.soundEnabled; }

    const State& state() const { return state_; }
    // Takes on the state of a model in another process, telling each change through its own
    // signal once every field holds its new value (only what differs); the picture travels
    // separately. Never plays a sound and never calls back: the other process did both.
    void restore(const State& state, const std::optional<Image>& preview);

    // The application model's operations.
    void apply(const VerificationProgress& progress);
    void updateEmergencyEscape(int remaining, const QString& message);
    void switchExercise(ExerciseKind kind);
    void showSuccess(int repetitions, int streakDays, bool wasVerified);
    void setSoundEnabled(bool enabled);
    void setStatusMessage(const QString& message, StatusKind kind);

    // From the break windows: the chord is held (true) or let go (false). Shown as held only
    // while an escape is left; the raw value also reaches onEmergencyKeyStateChanged.
    Q_INVOKABLE void setEmergencyKeyHeld(bool held);

    // The views' buttons.
    Q_INVOKABLE void allowCamera() { call(onAllowCamera); }
    Q_INVOKABLE void useHonorTimer() { call(onUseHonorTimer); }
    Q_INVOKABLE void openCameraSettings() { call(onOpenCameraSettings); }
    Q_INVOKABLE void switchToOverheadRaise() { call(onSwitchToOverheadRaise); }
    // The on-screen emergency control, after its full hold; nothing when no escape is left.
    Q_INVOKABLE void emergencyEscape();
    // A window's camera picture: the longer side it draws in device pixels, 0 when hidden.
    Q_INVOKABLE void reportPreviewSide(QObject* view, int longerSide) override;
    // The picture size the camera should make for the views: 0 while none shows it.
    int previewSide() const { return previewDemand_.longerSide(); }

    std::function<void()> onAllowCamera;
    std::function<void()> onUseHonorTimer;
    std::function<void()> onOpenCameraSettings;
    std::function<void()> onSwitchToOverheadRaise;
    std::function<void()> onEmergencyEscape;
    std::function<void(bool held)> onEmergencyKeyStateChanged;

Q_SIGNALS:
    void modeChanged();
    void secondsRemainingChanged();
    void totalSecondsChanged();
    void repetitionsChanged();
    void targetRepetitionsChanged();
    void poseChanged();
    void previewChanged();
    void framingElapsedChanged();
    void statusMessageChanged();
    void exerciseKindChanged();
    void successSummaryChanged();
    void emergencyEscapesRemainingChanged();
    void emergencyEscapeStatusMessageChanged();
    void isEmergencyKeyHeldChanged();
    void soundEnabledChanged();
    void previewSideChanged();

private:
    void applyFraming(const progress::Framing& framing);
    void applyExercise(const progress::Exercise& exercise);
    void applyHonorCountdown(const progress::HonorCountdown& countdown);
    void applyCompleted();
    void setMode(Mode mode);
    void setPose(const std::optional<PoseSnapshot>& pose);
    void setPreview(const std::optional<Image>& preview);
    void setRepetitions(int repetitions);
    void setTargetRepetitions(int target);
    void setSecondsRemaining(int seconds);
    void setTotalSeconds(int seconds);
    void setFramingElapsed(double seconds);
    void playSound(const QString& name);
    static void call(const std::function<void()>& callback) {
        if (callback) {
            callback();
        }
    }

    SoundPlayer* sounds_;
    State state_;
    std::optional<Image> preview_;
    PreviewDemand previewDemand_;
};

} // namespace qv
