// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/onboarding/OnboardingModel.h"
#include "core/onboarding/RehearsalStage.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <functional>

namespace qv {

class LaunchAtLoginController;
class SettingsStore;

// The first launch's words that never change, in the user's language.
struct OnboardingTexts {
    Q_GADGET
    Q_PROPERTY(QString back MEMBER back)
    Q_PROPERTY(QString dealTitle MEMBER dealTitle)
    Q_PROPERTY(QString dealTitleSecond MEMBER dealTitleSecond)
    Q_PROPERTY(QString dealFootnote MEMBER dealFootnote)
    Q_PROPERTY(QStringList badges MEMBER badges)
    Q_PROPERTY(QString rehearsalTitle MEMBER rehearsalTitle)
    Q_PROPERTY(QString rehearsalSubtitle MEMBER rehearsalSubtitle)
    Q_PROPERTY(QString rehearsalLabel MEMBER rehearsalLabel)
    Q_PROPERTY(QString rehearsalAccessibleName MEMBER rehearsalAccessibleName)
    Q_PROPERTY(QString termsTitle MEMBER termsTitle)
    Q_PROPERTY(QString termsSubtitle MEMBER termsSubtitle)
    Q_PROPERTY(QString intervalSection MEMBER intervalSection)
    Q_PROPERTY(QString honorSection MEMBER honorSection)
    Q_PROPERTY(QString honorDetail MEMBER honorDetail)
    Q_PROPERTY(QString loginSection MEMBER loginSection)
    Q_PROPERTY(QString loginToggle MEMBER loginToggle)
    Q_PROPERTY(QString loginDetail MEMBER loginDetail)
    Q_PROPERTY(QString proofTitle MEMBER proofTitle)
    Q_PROPERTY(QString privacyTitle MEMBER privacyTitle)
    Q_PROPERTY(QString privacyText MEMBER privacyText)
    Q_PROPERTY(QString repRule MEMBER repRule)
    Q_PROPERTY(QString squatOnce MEMBER squatOnce)
    Q_PROPERTY(QString skip MEMBER skip)
    Q_PROPERTY(QString openCameraSettings MEMBER openCameraSettings)
    Q_PROPERTY(QString successTitle MEMBER successTitle)
    Q_PROPERTY(QString successText MEMBER successText)
    Q_PROPERTY(QString previewAccessibleName MEMBER previewAccessibleName)

public:
    QString back;
    QString dealTitle;
    QString dealTitleSecond;
    QString dealFootnote;
    QStringList badges;
    QString rehearsalTitle;
    QString rehearsalSubtitle;
    QString rehearsalLabel;
    QString rehearsalAccessibleName;
    QString termsTitle;
    QString termsSubtitle;
    QString intervalSection;
    QString honorSection;
    QString honorDetail;
    QString loginSection;
    QString loginToggle;
    QString loginDetail;
    QString proofTitle;
    QString privacyTitle;
    QString privacyText;
    QString repRule;
    QString squatOnce;
    QString skip;
    QString openCameraSettings;
    QString successTitle;
    QString successText;
    QString previewAccessibleName;
};

// Everything the first-launch window shows and every choice it offers, from the model, the
// settings and the launch-at-login switch, so the views only lay it out and call back.
class OnboardingPresentation final : public QObject {
    Q_OBJECT
    Q_PROPERTY(qv::OnboardingModel* model READ model CONSTANT)
    Q_PROPERTY(qv::RehearsalStage* rehearsal READ rehearsal CONSTANT)
    // Texts that never change, by name.
    Q_PROPERTY(qv::OnboardingTexts texts READ texts CONSTANT)
    Q_PROPERTY(int step READ step NOTIFY stepChanged)
    Q_PROPERTY(Act act READ act NOTIFY stepChanged)
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
    // The acts, in the order of their steps.
    enum class Act { Deal, Rehearsal, Terms, Proof };
    Q_ENUM(Act)
    static_assert(static_cast<int>(Act::Proof) == OnboardingModel::lastStep);

    OnboardingPresentation(OnboardingModel& model, SettingsStore& settings,
                           LaunchAtLoginController& launchAtLogin, TimeSource& time,
                           QObject* parent = nullptr);

    OnboardingModel* model() const { return &model_; }
    RehearsalStage* rehearsal() { return &rehearsal_; }
    OnboardingTexts texts() const;
    int step() const { return model_.step(); }
    Act act() const { return static_cast<Act>(model_.step()); }
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
    // The timed-break length at this place in honorChoices; any other place is ignored.
    Q_INVOKABLE void chooseHonorChoice(int index);
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
