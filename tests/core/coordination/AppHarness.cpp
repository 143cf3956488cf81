// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppHarness.h"

#include "../scheduling/SchedulerHarness.h"

#include <QCoreApplication>
#include <algorithm>
#include <gtest/gtest.h>

namespace qv::test {

void RecordingLock::lock(BreakOverlayModel& model) {
    locked_ = &model;
    ++lockCount;
}

void RecordingLock::release(bool animated) {
    if (locked_ && onRelease) {
        onRelease(*locked_);
    }
    if (locked_) {
        releasesAnimated.push_back(animated);
    }
    locked_ = nullptr;
}

void RecordingNotifications::post(const NotificationContent& content) {
    if (available == NotificationAvailability::unavailable) {
        return; // nobody to show it
    }
    posted.push_back(content);
}

bool ScriptedProbes::isMicrophoneInUse() {
    ++evaluations;
    if (whileAsked) {
        whileAsked();
    }
    return microphone;
}

ScriptedCamera::ScriptedCamera(std::vector<ScriptedCamera*>& registry, ExerciseKind kind,
                               int targetRepetitions)
    : exercise(kind)
    , target(targetRepetitions)
    , registry_(registry) {
    registry_.push_back(this);
}

ScriptedCamera::~ScriptedCamera() {
    registry_.erase(std::remove(registry_.begin(), registry_.end(), this), registry_.end());
}

void ScriptedCamera::repetitions(int count) {
    reportProgress(progress::Exercise{PoseSnapshot{}, Image{}, count, target});
}

void ScriptedCamera::complete() {
    reportProgress(progress::Completed{});
    reportCompletion();
}

AppHarness::AppHarness(const QDateTime& start)
    : time(start)
    , statsPath(home.filePath(QStringLiteral("stats/stats.json"))) {
    notifier = std::make_unique<HeadsUpNotifier>(notifications, [] { return berlinCalendar(); });
    gate = std::make_unique<EmergencyEscapeGate>(
        defaults, [] { return berlinCalendar(); }, time, 3);
    stats_ = std::make_unique<StatsStore>(
        defaults, [] { return berlinCalendar(); }, time, statsPath);
}

AppHarness::~AppHarness() {
    quit();
}

void AppHarness::launch() {
    settings_ = std::make_unique<SettingsStore>(defaults);
    scheduler_ = std::make_unique<BreakScheduler>(*settings_, defaults, time,
                                                  [] { return berlinCalendar(); });
    AppServices services{time,
                         *settings_,
                         *scheduler_,
                         *stats_,
                         *gate,
                         lock,
                         *notifier,
                         probes,
                         cameraAccess,
                         settingsOpener,
                         cameraFactory
                             ? cameraFactory
                             : [this](const std::optional<QString>&, ExerciseKind exercise,
                                      int target) -> std::unique_ptr<VerificationEngine> {
                             return std::make_unique<ScriptedCamera>(cameras, exercise, target);
                         }};
    model_ = std::make_unique<AppModel>(std::move(services));
    auto handleDue = scheduler_->onBreakDue;
    scheduler_->onBreakDue = [this, handleDue] {
        ++breakDueCount;
        handleDue();
    };
    if (beforeStart) {
        beforeStart();
    }
    model_->start();
}

void AppHarness::quit() {
    if (model_) {
        model_->stop();
        scheduler_->cancelTimer();
    }
    model_.reset();
    scheduler_.reset();
    settings_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void AppHarness::advanceToBreakDue(double limit) {
    const int before = breakDueCount;
    for (double waited = 0; waited < limit && breakDueCount == before; waited += 1) {
        time.advance(1);
    }
    ASSERT_GT(breakDueCount, before) << "no break fell due";
}

ScriptedCamera* AppHarness::camera() {
    return model_->activeVerification() == nullptr
               ? nullptr
               : dynamic_cast<ScriptedCamera*>(model_->activeVerification());
}

DayStat AppHarness::storedToday() const {
    MemoryKeyValueStore fresh;
    StatsStore reader(
        fresh, [] { return berlinCalendar(); }, time, statsPath);
    return reader.today();
}

} // namespace qv::test
