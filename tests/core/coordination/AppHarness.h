// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/breakscreen/LockController.h"
#include "core/coordination/AppModel.h"
#include "core/notifications/HeadsUpNotifier.h"
#include "core/scheduling/BreakScheduler.h"
#include "core/settings/SettingsStore.h"
#include "core/stats/StatsStore.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"
#include "support/TestSupport.h"

#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

namespace qv::test {

// Stands in for the break windows: remembers what it was asked to show.
class RecordingLock final : public LockController {
public:
    void lock(BreakOverlayModel& model) override;
    void release(bool animated) override;
    bool isLocked() const override { return locked_ != nullptr; }

    int lockCount = 0;
    std::vector<bool> releasesAnimated; // one a release
    // Called with the model still alive, just before the windows would go.
    std::function<void(BreakOverlayModel&)> onRelease;

private:
    QPointer<BreakOverlayModel> locked_;
};

// The notification service of a desktop, in memory.
class RecordingNotifications final : public NotificationService {
public:
    void post(const NotificationContent& content) override;
    void withdraw() override {}
    void refreshAvailability() override {}
    NotificationAvailability availability() const override { return available; }

    std::vector<NotificationContent> posted;
    NotificationAvailability available = NotificationAvailability::on;
};

struct ScriptedProbes final : SmartPauseProbing {
    bool isMicrophoneInUse() override;
    bool isCameraInUse() override { return camera; }
    double secondsSinceLastInput() override { return idle; }

    bool microphone = false;
    bool camera = false;
    double idle = 0;
    int evaluations = 0;
    std::function<void()> whileAsked; // runs inside the microphone reading
};

struct ScriptedCameraAccess final : CameraAccess {
    CameraAuthorization status() const override { return answer; }
    void requestAccess(std::function<void(bool)> reply) override {
        pending.push_back(std::move(reply));
    }
    CameraAuthorization answer = CameraAuthorization::authorized;
    std::vector<std::function<void(bool)>> pending;
};

struct IgnoredSettingsOpener final : SystemSettingsOpener {
    void openCameraSettings() override {}
    void openNotificationSettings() override {}
};

// A camera engine driven by the test: the device itself cannot exist here.
class ScriptedCamera final : public VerificationEngine {
public:
    explicit ScriptedCamera(std::vector<ScriptedCamera*>& registry, ExerciseKind exercise,
                            int target);
    ~ScriptedCamera() override;
    void start() override { isRunning = true; }
    void stop() override { isRunning = false; }
    void setPreviewSize(int) override {}

    void repetitions(int count);
    void fail(const QString& message) { reportProgress(progress::Failed{message}); }
    void complete();

    const ExerciseKind exercise;
    const int target;
    bool isRunning = false;

private:
    std::vector<ScriptedCamera*>& registry_;
};

// The model with every service it runs with, on a virtual clock in Berlin.
class AppHarness {
public:
    explicit AppHarness(const QDateTime& start);
    ~AppHarness();

    void launch(); // makes the settings, scheduler and model (again, after quit())
    void quit();   // as the application ends: the model stops, the scheduler's timer goes
    void advance(double seconds) { time.advance(seconds); }
    // Time until the scheduler next says a break is due; fails the test when none comes.
    void advanceToBreakDue(double limit = 4 * 3600);

    AppModel& model() { return *model_; }
    SettingsStore& settings() { return *settings_; }
    BreakScheduler& scheduler() { return *scheduler_; }
    BreakOverlayModel* overlay() { return model_->overlayModel(); }
    // The camera engine of the running break, if the break runs one.
    ScriptedCamera* camera();
    // The statistics as a fresh process reads them from the file.
    DayStat storedToday() const;

    VirtualTimeSource time;
    TemporaryHome home;
    QString statsPath;
    MemoryKeyValueStore defaults;
    RecordingLock lock;
    RecordingNotifications notifications;
    ScriptedProbes probes;
    ScriptedCameraAccess cameraAccess;
    IgnoredSettingsOpener settingsOpener;
    std::vector<ScriptedCamera*> cameras;
    std::unique_ptr<HeadsUpNotifier> notifier;
    std::unique_ptr<EmergencyEscapeGate> gate;
    int breakDueCount = 0;
    // Runs once the services exist and before the model starts.
    std::function<void()> beforeStart;
    // The real camera engine instead of the scripted one, when set before launch().
    CameraEngineFactory cameraFactory;

private:
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<BreakScheduler> scheduler_;
    std::unique_ptr<StatsStore> stats_;
    std::unique_ptr<AppModel> model_;
};

} // namespace qv::test
