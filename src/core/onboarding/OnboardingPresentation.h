// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/onboarding/OnboardingModel.h"
#include "core/onboarding/RehearsalStage.h"

#include <QObject>
#include <QVariantList>
#include <QVariantMap>
#include <functional>

namespace qv {

class LaunchAtLoginController;
class SettingsStore;

// Everything the first-launch window shows and every choice it offers, from the model, the
// settings and the launch-at-login switch, so the views only lay it out and call back.
class OnboardingPresentation final : public QObject {
    Q_OBJECT
    Q_PROPERTY(QObject* model READ model CONSTANT)
    Q_PROPERTY(QObject* rehearsal READ rehearsal CONSTANT)
    // Texts that never change, by name.
    Q_PROPERTY(QVariantMap texts READ texts CONSTANT)
    Q_PROPERTY(int step READ step NOTIFY stepChanged)
    Q_PROPERTY(QVariantList progressDots READ progressDots NOTIFY progressDotsChanged)
    Q_PROPERTY(QString kicker READ kicker NOTIFY kickerChanged)
    Q_PROPERTY(QString forwardText READ forwardText NOTIFY forwardTextChanged)
    Q_PROPERTY(bool canGoBack READ canGoBack NOTIFY canGoBackChanged)

    Q_PROPERTY(QString dealText READ dealText NOTIFY dealTextChanged)
    Q_PROPERTY(QStringList loopSteps READ loopSteps NOTIFY loopStepsChanged)
    Q_PROPERTY(QString loopAccessibleName READ loopAccessibleName NOTIFY loopAccessibleNameChanged)
    Q_PROPERTY(QString nextBreakText READ nextBreakText NOTIFY nextBreakTextChanged)

    Q_PROPERTY(QVariantList intervalTiles READ intervalTiles NOTIFY intervalTilesChanged)
    Q_PROPERTY(QVariantMap customTile READ customTile NOTIFY customTileChanged)
    Q_PROPERTY(QVariantList honorChoices READ honorChoices NOTIFY honorChoicesChanged)
    Q_PROPERTY(bool launchAtLoginOn READ launchAtLoginOn NOTIFY launchAtLoginOnChanged)
    Q_PROPERTY(
        QString launchAtLoginMessage READ launchAtLoginMessage NOTIFY launchAtLoginMessageChanged)

    Q_PROPERTY(QString trialSubtitle READ trialSubtitle NOTIFY trialSubtitleChanged)
    Q_PROPERTY(QString cameraStatusLabel READ cameraStatusLabel NOTIFY cameraStatusLabelChanged)
    Q_PROPERTY(QString cameraButtonText READ cameraButtonText NOTIFY cameraButtonTextChanged)
    Q_PROPERTY(bool isCameraButtonShown READ isCameraButtonShown NOTIFY isCameraButtonShownChanged)
    Q_PROPERTY(
        bool isCameraButtonEnabled READ isCameraButtonEnabled NOTIFY isCameraButtonEnabledChanged)
    Q_PROPERTY(bool isCameraLive READ isCameraLive NOTIFY isCameraLiveChanged)
    Q_PROPERTY(bool isCameraReady READ isCameraReady NOTIFY isCameraReadyChanged)
    Q_PROPERTY(QVariantList checklist READ checklist NOTIFY checklistChanged)
    Q_PROPERTY(QString guidanceHeading READ guidanceHeading NOTIFY guidanceHeadingChanged)
    Q_PROPERTY(QString guidanceDetail READ guidanceDetail NOTIFY guidanceDetailChanged)
    Q_PROPERTY(QString coachingCue READ coachingCue NOTIFY coachingCueChanged)
    // Why the camera is not running and what to do: the permission or the failure.
    Q_PROPERTY(QString helpTitle READ helpTitle NOTIFY helpTitleChanged)
    Q_PROPERTY(QString helpText READ helpText NOTIFY helpTextChanged)
    Q_PROPERTY(bool canSkipCamera READ canSkipCamera NOTIFY canSkipCameraChanged)
    Q_PROPERTY(bool isDenied READ isDenied NOTIFY isDeniedChanged)
    Q_PROPERTY(bool isFailed READ isFailed NOTIFY isFailedChanged)
    Q_PROPERTY(bool isCounted READ isCounted NOTIFY isCountedChanged)

public:
    OnboardingPresentation(OnboardingModel& model, SettingsStore& settings,
                           LaunchAtLoginController& launchAtLogin, TimeSource& time,
                           QObject* parent = nullptr);

    OnboardingModel* model() const { return &model_; }
    RehearsalStage* rehearsal() { return &rehearsal_; }
    QVariantMap texts() const;
    int step() const { return model_.step(); }
    QVariantList progressDots() const;
    QString kicker() const;
    QString forwardText() const;
    bool canGoBack() const { return model_.step() > 0; }

    QString dealText() const;
    QStringList loopSteps() const;
    QString loopAccessibleName() const;
    QString nextBreakText() const;

    QVariantList intervalTiles() const;
    QVariantMap customTile() const;
    bool isCustomIntervalSelected() const;
    QVariantList honorChoices() const;
    bool launchAtLoginOn() const;
    QString launchAtLoginMessage() const;

    QString trialSubtitle() const;
    QString cameraStatusLabel() const;
    QString cameraButtonText() const;
    bool isCameraButtonShown() const;
    bool isCameraButtonEnabled() const;
    bool isCameraLive() const;
    bool isCameraReady() const;
    QVariantList checklist() const;
    QString guidanceHeading() const;
    QString guidanceDetail() const;
    QString coachingCue() const;
    QString helpTitle() const;
    QString helpText() const;
    bool canSkipCamera() const { return isFailed() || isDenied(); }
    bool isDenied() const;
    bool isFailed() const;
    bool isCounted() const;

    Q_INVOKABLE void chooseInterval(qint64 minutes);
    // direction < 0 takes five minutes off the custom interval, otherwise adds five.
    Q_INVOKABLE void adjustCustomInterval(int direction);
    Q_INVOKABLE void chooseHonorDuration(qint64 seconds);
    Q_INVOKABLE void setLaunchAtLogin(bool on);
    Q_INVOKABLE void openCameraSettings();

    // Opens the desktop's camera privacy settings, where there are any.
    std::function<void()> onOpenCameraSettings;

Q_SIGNALS:
    void stepChanged();
    void progressDotsChanged();
    void kickerChanged();
    void forwardTextChanged();
    void canGoBackChanged();
    void dealTextChanged();
    void loopStepsChanged();
    void loopAccessibleNameChanged();
    void nextBreakTextChanged();
    void intervalTilesChanged();
    void customTileChanged();
    void honorChoicesChanged();
    void launchAtLoginOnChanged();
    void launchAtLoginMessageChanged();
    void trialSubtitleChanged();
    void cameraStatusLabelChanged();
    void cameraButtonTextChanged();
    void isCameraButtonShownChanged();
    void isCameraButtonEnabledChanged();
    void isCameraLiveChanged();
    void isCameraReadyChanged();
    void checklistChanged();
    void guidanceHeadingChanged();
    void guidanceDetailChanged();
    void coachingCueChanged();
    void helpTitleChanged();
    void helpTextChanged();
    void canSkipCameraChanged();
    void isDeniedChanged();
    void isFailedChanged();
    void isCountedChanged();

private:
    void connectSources();
    void announceStep();
    void announceInterval();
    void announceTrial();
    void setCustomIntervalChosen(bool chosen);

    OnboardingModel& model_;
    SettingsStore& settings_;
    LaunchAtLoginController& launchAtLogin_;
    RehearsalStage rehearsal_;
    bool customIntervalChosen_ = false;
};

} // namespace qv
