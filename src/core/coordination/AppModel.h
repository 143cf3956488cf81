// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/breakscreen/BreakOverlayModel.h"
#include "core/coordination/CameraAccess.h"
#include "core/coordination/CameraEngineFactory.h"
#include "core/scheduling/CycleControl.h"
#include "core/scheduling/SleepWatch.h"
#include "core/scheduling/SmartPausePolicy.h"
#include "core/services/EmergencyEscapeGate.h"
#include "core/time/TimeSource.h"

#include <QObject>
#include <QPointer>
#include <QUuid>
#include <memory>
#include <optional>

namespace qv {

class BreakScheduler;
class HeadsUpNotifier;
class LaunchAtLoginController;
class LockController;
class SettingsStore;
class SoundPlayer;
class StatsStore;

// The long-lived services the model runs breaks with. The composition root makes them and
// keeps them alive longer than the model.
struct AppServices {
    TimeSource& time;
    SettingsStore& settings;
    BreakScheduler& scheduler;
    StatsStore& stats;
    EmergencyEscapeGate& escapeGate;
    LockController& lockController;
    HeadsUpNotifier& notifier;
    SmartPauseProbing& smartPauseProbes;
    CameraAccess& cameraAccess;
    SystemSettingsOpener& settingsOpener;
    CameraEngineFactory makeCameraEngine;
    LaunchAtLoginController* launchAtLogin = nullptr; // refreshed at start when present
    SoundPlayer* sounds = nullptr;                    // the break screen's sounds
};

// Runs each break from the moment the scheduler says it is due until the screen is released:
// smart pause, camera or timed break, the break screen, the safety release, the emergency
// escape, and the one statistics record per break. Every late callback of an earlier break
// carries that break's identifier and does nothing. Main thread only.
class AppModel final : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isStarted READ isStarted NOTIFY isStartedChanged)
    Q_PROPERTY(bool isBreakActive READ isBreakActive NOTIFY isBreakActiveChanged)
    Q_PROPERTY(qv::BreakOverlayModel* overlayModel READ overlayModel NOTIFY overlayModelChanged)

public:
    static constexpr double maximumBreakDuration = 180.0;
    static constexpr double absoluteBreakCeiling = 600.0;
    static constexpr double smartPauseRetryDuration = 300.0;
    static constexpr double successDisplaySeconds = 2.0;
    // A break falling due this soon after the machine woke from a long sleep is credited as
    // time away.
    static constexpr double wakeWindow = 60.0;

    explicit AppModel(AppServices services, QObject* parent = nullptr);
    ~AppModel() override;

    SettingsStore& settings() const { return services_.settings; }
    BreakScheduler& scheduler() const { return services_.scheduler; }
    StatsStore& stats() const { return services_.stats; }
    HeadsUpNotifier& notifier() const { return services_.notifier; }
    const SmartPausePolicy& smartPausePolicy() const { return smartPausePolicy_; }

    bool isStarted() const { return isStarted_; }
    bool isBreakActive() const { return activeSessionID_.has_value(); }
    bool isPermissionRequestInFlight() const { return permissionRequestInFlight_; }
    bool isBreakCompleted() const { return successDismissTask_.isActive(); }
    BreakOverlayModel* overlayModel() const { return activeOverlayModel_.get(); }
    VerificationEngine* activeVerification() const { return activeVerification_.get(); }

    void start();
    // At quit: every break screen goes without anything being recorded.
    void stop();

    // The menu's and the notification's actions, through the cycle's guards. Each that goes
    // ahead withdraws the heads-up first.
    Q_INVOKABLE void startBreakNow() { cycle_.startBreakNow(); }
    Q_INVOKABLE bool snooze() { return cycle_.snooze(); }
    Q_INVOKABLE void pauseFor(double seconds) { cycle_.pauseFor(seconds); }
    Q_INVOKABLE void pauseForOneHour() { pauseFor(3600); }
    Q_INVOKABLE void pauseUntilTomorrow() { cycle_.pauseUntilTomorrow(); }
    Q_INVOKABLE bool resume() { return cycle_.resume(); }

Q_SIGNALS:
    void isStartedChanged();
    void isBreakActiveChanged();
    void overlayModelChanged();

private:
    using SessionID = QUuid;

    void wireScheduler();
    void wireNotifier();
    void wireSettings();
    void handleBreakDue();
    void handleHeadsUp(const QDateTime& dueAt);
    bool applySmartPause();
    void requestCameraAccess();
    void beginBreak(bool useCamera, const QString& fallbackMessage);
    BreakOverlayModel::Initial initialOverlay();
    void installOverlayCallbacks(const SessionID& session);
    void clearOverlayCallbacks();

    // Engines.
    void startCameraVerification(const SessionID& session, ExerciseKind exercise);
    void startHonorTimer(const SessionID& session, const QString& message);
    void install(std::shared_ptr<VerificationEngine> engine, const SessionID& session,
                 bool isCamera);
    void handleProgress(const VerificationProgress& value, bool isCamera, const SessionID& session);
    bool isCurrent(const std::weak_ptr<VerificationEngine>& engine, const SessionID& session) const;
    bool isActive(const SessionID& session) const { return activeSessionID_ == session; }
    void stopVerification();

    // Ends of a break.
    void scheduleMaximumBreak(double seconds, const SessionID& session);
    void extendMaximumBreak(const SessionID& session);
    void switchToOverheadRaise(const SessionID& session);
    void openCameraSettings(const SessionID& session);
    void completeBreak(const SessionID& session, bool verified);
    void skipBreak(const SessionID& session);
    void releaseBreak(const SessionID& session, bool animated);
    void cancelBreakTasks();

    // Emergency escape.
    void handleEmergencyKeyState(bool isHeld, const SessionID& session);
    void handleOnScreenEscape(const SessionID& session);
    void handleEscapeResult(EmergencyEscapeResult result);
    void showEscapeLimitReached();

    double honorSeconds() const;
    void withdrawHeadsUp();

    AppServices services_;
    CycleControl cycle_;
    SmartPausePolicy smartPausePolicy_;
    SleepWatch sleepWatch_;
    std::shared_ptr<VerificationEngine> activeVerification_;
    std::optional<SessionID> activeSessionID_;
    std::unique_ptr<BreakOverlayModel> activeOverlayModel_;
    bool permissionRequestInFlight_ = false;
    bool isStarted_ = false;
    ScheduledTask maximumBreakTask_;
    ScheduledTask successDismissTask_;
    ScheduledTask emergencyHoldTask_;
    // Monotonic, so that neither a clock change nor a sleep shortens or stretches the ceiling.
    std::optional<double> breakStartedAt_;
    std::vector<QMetaObject::Connection> subscriptions_;
};

} // namespace qv
