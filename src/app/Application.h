// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/AppModelBreakControl.h"
#include "app/IdleMemoryRelease.h"
#include "app/StartupFlow.h"
#include "core/coordination/AppModel.h"
#include "core/coordination/ControlRequests.h"
#include "core/menubar/MenuBarActions.h"
#include "core/menubar/MenuBarSource.h"
#include "core/notifications/HeadsUpNotifier.h"
#include "core/scheduling/BreakScheduler.h"
#include "core/services/EmergencyEscapeGate.h"
#include "core/services/LaunchAtLoginController.h"
#include "core/services/SoundPlayer.h"
#include "core/services/UpdaterService.h"
#include "core/settings/SettingsStore.h"
#include "core/settingsui/BreakHoldNotice.h"
#include "core/stats/StatsStore.h"
#include "core/storage/SaveProblems.h"
#include "core/storage/SettingsFileStore.h"
#include "core/time/EventLoopTimeSource.h"
#include "platform/PlatformBackends.h"
#include "platform/linux/SessionBusInstance.h"
#include "platform/linux/screenhelper/ScreenProcessLock.h"
#include "ui/breakscreen/WindowLockController.h"
#include "ui/settings/SettingsWindow.h"
#include "ui/tray/TrayController.h"

#include <memory>

namespace qv {

class CameraBackend;
class LoginItemService;
class NotificationService;
class OnboardingController;
class SmartPauseProbing;
class SoundOutput;
class SystemSettingsOpener;

// Every service of one running Quorvantel, built once in dependency order and wired together:
// the model that runs the breaks, the tray, the settings window, the break screen's windows
// and, on a first launch, the onboarding. Needs a QApplication.
class Application final : public QObject {
    Q_OBJECT

public:
    struct Options {
        // A video file that is the only camera of this run.
        QString cameraVideo;
    };

    // How long to wait for a tray host that comes up after us.
    static constexpr double trayRetrySeconds = 2;
    static constexpr int trayRetryCount = 60;

    explicit Application(const Options& options, QObject* parent = nullptr);
    ~Application() override;

    // Shows the tray and starts the breaks, after the onboarding on a first launch.
    void start();
    // Ends a running break (the windows vanish) and stops every timer; nothing is half-written
    // since each store saves whole files as it goes.
    void stop();

    // What the single-instance control interface and the command line can ask for.
    InstanceCommands instanceCommands();

    AppModel& model() { return model_; }
    TrayController& tray() { return tray_; }
    SettingsWindow& settingsWindow() { return settingsWindow_; }
    SaveProblems& saveProblems() { return saveProblems_; }

private:
    void wireTray();
    void tellOfSetAsideSettings();
    void showTray();
    void sayHowToReachUs();
    void wireSettingsWindow();
    void wireSaveProblems();
    void showOnboarding(std::function<void()> completion);

    const QString cameraVideo_;
    EventLoopTimeSource time_;
    CalendarSource calendar_;
    // Before the stores, which report every save to it from their first one on.
    SaveProblems saveProblems_;
    SettingsFileStore defaults_;
    SettingsStore settings_;
    // Before anything writes the scheduler's state, which is what tells a first launch apart.
    StartupFlow startup_;
    BreakScheduler scheduler_;
    StatsStore stats_;
    EmergencyEscapeGate escapeGate_;
    std::unique_ptr<SoundOutput> soundOutput_;
    SoundPlayer sounds_;
    std::unique_ptr<LoginItemService> loginItems_;
    LaunchAtLoginController launchAtLogin_;
    UpdaterService updater_;
    std::unique_ptr<NotificationService> notificationService_;
    HeadsUpNotifier notifier_;
    std::unique_ptr<SmartPauseProbing> smartPauseProbes_;
    std::unique_ptr<SystemSettingsOpener> settingsOpener_;
    platformBackends::Cameras cameras_;
    // Draws the break screen only when its own process cannot.
    WindowLockController lockController_;
    ScreenProcessLock screenProcess_;
    BreakHoldNotice breakHoldNotice_{lockController_.hold()};
    AppModel model_;
    AppModelBreakControl breakControl_;
    ControlRequests requests_;
    MenuBarSource menuBar_;
    MenuBarActions trayActions_;
    SettingsWindow settingsWindow_;
    TrayController tray_;
    std::unique_ptr<OnboardingController> onboarding_;
    IdleMemoryRelease idleMemory_{time_};
    ScheduledTask trayRetry_;
    int trayRetriesLeft_ = 0;
    // Its own notification, apart from the heads-up's one, so neither replaces the other.
    std::unique_ptr<NotificationService> noTrayNotice_;
};

} // namespace qv
