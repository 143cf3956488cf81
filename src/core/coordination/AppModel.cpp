// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/coordination/AppModel.h"

#include "core/breakscreen/LockController.h"
#include "core/notifications/HeadsUpNotifier.h"
#include "core/scheduling/BreakScheduler.h"
#include "core/services/LaunchAtLoginController.h"
#include "core/settings/SettingsStore.h"
#include "core/stats/StatsStore.h"

#include <QCoreApplication>

namespace qv {

AppModel::AppModel(AppServices services, QObject* parent)
    : QObject(parent)
    , services_(std::move(services))
    , cycle_(
          services_.scheduler, services_.time, [this] { return isStarted_; },
          [this] { withdrawHeadsUp(); }) {
    wireScheduler();
    wireNotifier();
    wireSettings();
}

AppModel::~AppModel() {
    for (const auto& connection : subscriptions_) {
        disconnect(connection);
    }
    if (activeSessionID_) {
        stop();
    }
}

void AppModel::wireScheduler() {
    QPointer<AppModel> self(this);
    services_.scheduler.onBreakDue = [self] {
        if (self) {
            self->handleBreakDue();
        }
    };
    services_.scheduler.onHeadsUp = [self](const QDateTime& dueAt) {
        if (self) {
            self->handleHeadsUp(dueAt);
        }
    };
    // The date moves on every tick, before the tick's events, so a break falling due on waking
    // already knows about the sleep.
    subscriptions_.push_back(
        connect(&services_.scheduler, &BreakScheduler::currentDateChanged, this, [this] {
            sleepWatch_.observe(services_.time.now(), services_.time.monotonicSeconds());
        }));
}

void AppModel::wireNotifier() {
    QPointer<AppModel> self(this);
    services_.notifier.onStartNow = [self] {
        if (self) {
            self->startBreakNow();
        }
    };
    services_.notifier.onSnooze = [self] {
        if (self) {
            self->snooze();
        }
    };
}

void AppModel::wireSettings() {
    SettingsStore& settings = services_.settings;
    auto watch = [this](auto signal, auto handler) {
        subscriptions_.push_back(connect(&services_.settings, signal, this, handler));
    };
    watch(&SettingsStore::workIntervalMinutesChanged,
          [this, last = settings.workIntervalMinutes()]() mutable {
              const qint64 minutes = services_.settings.workIntervalMinutes();
              if (std::exchange(last, minutes) != minutes) {
                  withdrawHeadsUp();
                  services_.scheduler.workIntervalChanged(minutes);
              }
          });
    auto activeHoursChanged = [this] { services_.scheduler.activeHoursChanged(); };
    watch(&SettingsStore::activeHoursEnabledChanged, activeHoursChanged);
    watch(&SettingsStore::activeHoursStartMinuteChanged, activeHoursChanged);
    watch(&SettingsStore::activeHoursEndMinuteChanged, activeHoursChanged);
    watch(&SettingsStore::activeHoursWeekdaysOnlyChanged, activeHoursChanged);

    services_.escapeGate.setDailyLimit(settings.emergencyEscapeLimit());
    watch(&SettingsStore::emergencyEscapeLimitChanged, [this] {
        const qint64 limit = services_.settings.emergencyEscapeLimit();
        if (limit == services_.escapeGate.dailyLimit()) {
            return;
        }
        services_.escapeGate.setDailyLimit(limit);
        if (activeOverlayModel_) {
            const auto left = services_.escapeGate.remainingEscapes(services_.time.now());
            activeOverlayModel_->updateEmergencyEscape(static_cast<int>(left), QString());
        }
    });
    watch(&SettingsStore::soundEnabledChanged, [this] {
        if (activeOverlayModel_) {
            activeOverlayModel_->setSoundEnabled(services_.settings.soundEnabled());
        }
    });
}

void AppModel::start() {
    if (isStarted_) {
        return;
    }
    isStarted_ = true;
    Q_EMIT isStartedChanged();
    services_.notifier.refreshAvailability();
    if (services_.launchAtLogin) {
        services_.launchAtLogin->refresh();
    }
    services_.scheduler.start();
}

void AppModel::stop() {
    cancelBreakTasks();
    withdrawHeadsUp();
    const bool wasActive = activeSessionID_.has_value();
    activeSessionID_.reset();
    breakStartedAt_.reset();
    permissionRequestInFlight_ = false;
    if (activeOverlayModel_) {
        clearOverlayCallbacks();
    }
    // The screen first: stopping the camera waits for the frame being analysed, and a quit
    // on a signal has a second to free the screen.
    services_.lockController.release(false);
    stopVerification();
    activeOverlayModel_.reset();
    if (wasActive) {
        Q_EMIT isBreakActiveChanged();
        Q_EMIT overlayModelChanged();
    }
}

void AppModel::withdrawHeadsUp() {
    services_.notifier.withdrawHeadsUp();
}

void AppModel::handleHeadsUp(const QDateTime& dueAt) {
    services_.notifier.scheduleHeadsUp(dueAt, services_.scheduler.canSnooze());
}

void AppModel::handleBreakDue() {
    if (!isStarted_ || activeSessionID_ || permissionRequestInFlight_) {
        return;
    }
    withdrawHeadsUp();
    if (services_.settings.smartPauseEnabled() && applySmartPause()) {
        return;
    }
    if (!services_.settings.cameraVerificationEnabled()) {
        beginBreak(false, QString());
        return;
    }
    switch (services_.cameraAccess.status()) {
    case CameraAuthorization::authorized:
        beginBreak(true, QString());
        break;
    case CameraAuthorization::restricted:
    case CameraAuthorization::denied:
        beginBreak(false, QCoreApplication::translate(
                              "BreakScreen", "Camera access is off. Using a timed break instead."));
        break;
    case CameraAuthorization::notDetermined:
        requestCameraAccess();
        break;
    case CameraAuthorization::unknown:
        beginBreak(false,
                   QCoreApplication::translate(
                       "BreakScreen", "Camera is unavailable. Using a timed break instead."));
        break;
    }
}

// True when smart pause took the break over and nothing is to be shown now.
bool AppModel::applySmartPause() {
    std::optional<SmartPauseDecision> decision =
        smartPausePolicy_.evaluate(services_.smartPauseProbes);
    const auto sleep = sleepWatch_.takeRecentSleep(services_.time.monotonicSeconds(), wakeWindow);
    // Asleep longer than the idle threshold just before this break: the user was away, even
    // though the idle reading may have started again on waking.
    if (!decision && sleep && sleep->seconds > smartPausePolicy_.idleThreshold) {
        decision = SmartPauseDecision::away;
    }
    if (decision == SmartPauseDecision::meeting) {
        const QDateTime now = services_.time.now();
        const QDateTime retryAt =
            now.addMSecs(static_cast<qint64>(smartPauseRetryDuration * 1000.0));
        return services_.scheduler.deferForMeeting(retryAt, now);
    }
    if (decision == SmartPauseDecision::away) {
        services_.stats.recordAwayBreak();
        services_.scheduler.countAwayBreak();
        return true;
    }
    return false;
}

void AppModel::requestCameraAccess() {
    permissionRequestInFlight_ = true;
    QPointer<AppModel> self(this);
    services_.cameraAccess.requestAccess([self](bool granted) {
        // The answer may come on any thread; the model is touched on its own thread only.
        QMetaObject::invokeMethod(
            qApp,
            [self, granted] {
                if (!self) {
                    return;
                }
                self->permissionRequestInFlight_ = false;
                if (!self->isStarted_ || self->activeSessionID_) {
                    return;
                }
                if (granted) {
                    self->beginBreak(true, QString());
                } else {
                    self->beginBreak(false,
                                     QCoreApplication::translate(
                                         "BreakScreen",
                                         "Camera access was denied. Using a timed break instead."));
                }
            },
            Qt::QueuedConnection);
    });
}

} // namespace qv
