// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/onboarding/OnboardingModel.h"
#include "core/onboarding/OnboardingPresentation.h"

#include <QObject>
#include <QPointer>
#include <QQuickView>
#include <functional>
#include <memory>

namespace qv {

class LaunchAtLoginController;
class SettingsStore;
class SoundPlayer;
class TimeSource;

// Owns the first-launch window and its completion. Finishing the last act, continuing without
// the camera or closing the window all complete the onboarding, exactly once.
class OnboardingController final : public QObject {
    Q_OBJECT

public:
    static constexpr int windowWidth = 880;
    static constexpr int windowHeight = 620;

    // sounds may be null (silent).
    OnboardingController(SettingsStore& settings, LaunchAtLoginController& launchAtLogin,
                         TimeSource& time, OnboardingModel::Platform platform, SoundPlayer* sounds,
                         std::function<void()> onComplete, QObject* parent = nullptr);
    ~OnboardingController() override;

    OnboardingModel& model() { return model_; }
    OnboardingPresentation& presentation() { return presentation_; }
    // The window while it is shown; null before show() and after finish().
    QQuickView* window() const { return window_; }
    bool isCompleted() const { return completed_; }

    // Opens the window centred on the primary screen and brings it to the front. Returns
    // false, with the QML errors in errorText(), when the views cannot be built.
    bool show();
    QString errorText() const { return errorText_; }
    void finish();

    // Whether the rehearsal rests instead of moving; the desktop's preference where known.
    void setReduceMotion(bool reduce);
    // What this desktop can promise about a break (a BreakHoldNotice), told with the terms.
    // Set before show(); without it nothing is said.
    void setBreakHoldNotice(QObject* notice) { breakHold_ = notice; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void complete();

    SettingsStore& settings_;
    OnboardingModel model_;
    OnboardingPresentation presentation_;
    std::function<void()> onComplete_;
    QPointer<QQuickView> window_;
    QPointer<QObject> breakHold_;
    QString errorText_;
    bool completed_ = false;
};

} // namespace qv
