// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingsui/SettingsViewModel.h"

#include "core/scheduling/ActiveHours.h"
#include "core/services/AppIdentity.h"
#include "core/services/UpdaterService.h"
#include "core/settings/SettingsStore.h"

#include <QCoreApplication>
#include <algorithm>

namespace qv {

namespace {

SettingsViewModel::Symbol viewSymbol(StatusRow::Symbol symbol) {
    using Symbol = SettingsViewModel::Symbol;
    switch (symbol) {
    case StatusRow::Symbol::ready:
        return Symbol::Ready;
    case StatusRow::Symbol::warning:
        return Symbol::Warning;
    case StatusRow::Symbol::info:
        return Symbol::Info;
    case StatusRow::Symbol::question:
        break;
    }
    return Symbol::Question;
}

} // namespace

SettingsViewModel::SettingsViewModel(SettingsStore& settings, UpdaterService* updater,
                                     AboutFacts about, QLocale locale, QObject* parent)
    : QObject(parent)
    , settings_(settings)
    , updater_(updater)
    , about_(std::move(about))
    , locale_(std::move(locale)) {
    watchSettings();
    watchUpdater();
}

void SettingsViewModel::watchSettings() {
    using S = SettingsStore;
    using M = SettingsViewModel;
    connect(&settings_, &S::workIntervalMinutesChanged, this, &M::workIntervalTextChanged);
    connect(&settings_, &S::honorDurationSecondsChanged, this, &M::honorDurationTextChanged);
    connect(&settings_, &S::emergencyEscapeLimitChanged, this, &M::escapeLimitTextChanged);
    connect(&settings_, &S::squatRepetitionsChanged, this, &M::repetitionsTextChanged);
    connect(&settings_, &S::squatRepetitionsChanged, this, &M::verificationDescriptionChanged);
    connect(&settings_, &S::exerciseKindChanged, this, &M::verificationDescriptionChanged);
    connect(&settings_, &S::exerciseKindChanged, this, &M::exerciseIndexChanged);
    for (auto changed : {&S::activeHoursEnabledChanged, &S::activeHoursStartMinuteChanged,
                         &S::activeHoursEndMinuteChanged}) {
        connect(&settings_, changed, this, &M::activeHoursExplanationChanged);
    }
}

void SettingsViewModel::watchUpdater() {
    if (!updater_) {
        return;
    }
    connect(updater_, &UpdaterService::canCheckForUpdatesChanged, this, [this] {
        if (!updater_->canCheckForUpdates()) {
            setUpdateCheckText(QCoreApplication::translate("Settings", "Checking for updates…"));
        }
    });
    connect(updater_, &UpdaterService::checkFinished, this, [this] {
        if (!updater_->statusMessageText().isEmpty()) {
            setUpdateCheckText(updater_->statusMessageText());
        } else if (updater_->isUpdateAvailable()) {
            setUpdateCheckText(QCoreApplication::translate("Settings", "%1 %2 is available.")
                                   .arg(appIdentity::displayName, updater_->latestVersion()));
        } else {
            setUpdateCheckText(QCoreApplication::translate("Settings", "%1 is up to date.")
                                   .arg(appIdentity::displayName));
        }
    });
}

void SettingsViewModel::setPane(int chosen) {
    const int clamped = std::clamp(chosen, 0, static_cast<int>(Pane::about));
    if (clamped != pane()) {
        pane_ = static_cast<Pane>(clamped);
        Q_EMIT paneChanged();
    }
}

QStringList SettingsViewModel::paneTitles() const {
    return {QCoreApplication::translate("Settings", "General"),
            QCoreApplication::translate("Settings", "Breaks"),
            QCoreApplication::translate("Settings", "Movement"),
            QCoreApplication::translate("Settings", "Stats"),
            QCoreApplication::translate("Settings", "About")};
}

QString SettingsViewModel::workIntervalText() const {
    return settingsTexts::minutesValue(settings_.workIntervalMinutes());
}

QString SettingsViewModel::honorDurationText() const {
    return settingsTexts::secondsValue(settings_.honorDurationSeconds());
}

QString SettingsViewModel::escapeLimitText() const {
    return settingsTexts::countValue(settings_.emergencyEscapeLimit());
}

QString SettingsViewModel::repetitionsText() const {
    return settingsTexts::countValue(settings_.squatRepetitions());
}

QStringList SettingsViewModel::exerciseTitles() const {
    QStringList titles;
    for (const ExerciseKind kind : allExerciseKinds) {
        titles << displayName(kind);
    }
    return titles;
}

int SettingsViewModel::exerciseIndex() const {
    const auto found =
        std::find(allExerciseKinds.begin(), allExerciseKinds.end(), settings_.exerciseKind());
    return static_cast<int>(found - allExerciseKinds.begin());
}

void SettingsViewModel::setExerciseIndex(int index) {
    if (index >= 0 && index < static_cast<int>(allExerciseKinds.size())) {
        settings_.setExerciseKind(allExerciseKinds[static_cast<std::size_t>(index)]);
    }
}

QString SettingsViewModel::activeHoursExplanation() const {
    return settingsTexts::activeHoursExplanation(settings_.activeHoursWindow(), locale_);
}

QString SettingsViewModel::verificationDescription() const {
    return settingsTexts::verificationDescription(settings_.exerciseKind(),
                                                  settings_.squatRepetitions());
}

void SettingsViewModel::setNotificationStatus(NotificationStatus status) {
    if (status != notificationStatus_) {
        notificationStatus_ = status;
        Q_EMIT notificationStatusChanged();
    }
}

void SettingsViewModel::setNotificationStatusValue(int status) {
    if (status >= 0 && status <= static_cast<int>(NotificationStatus::unknown)) {
        setNotificationStatus(static_cast<NotificationStatus>(status));
    }
}

StatusLineView SettingsViewModel::notificationRow() const {
    const bool canAct = notificationStatus_ == NotificationStatus::notDetermined
                            ? bool(onRequestNotificationAuthorization)
                            : canOpenSystemSettings();
    return lineView(settingsTexts::notificationStatusRow(notificationStatus_), canAct);
}

void SettingsViewModel::setCameraAuthorization(CameraAuthorization authorization) {
    if (authorization != cameraAuthorization_) {
        cameraAuthorization_ = authorization;
        Q_EMIT cameraAuthorizationChanged();
    }
}

void SettingsViewModel::setCameraAuthorizationValue(int authorization) {
    if (authorization >= 0 && authorization <= static_cast<int>(CameraAuthorization::unknown)) {
        setCameraAuthorization(static_cast<CameraAuthorization>(authorization));
    }
}

StatusLineView SettingsViewModel::cameraAccessRow() const {
    return lineView(settingsTexts::cameraAccessRow(cameraAuthorization_), canOpenSystemSettings());
}

StatusLineView SettingsViewModel::lineView(const StatusRow& row, bool canAct) {
    return {viewSymbol(row.symbol), row.text, canAct ? row.buttonTitle : QString()};
}

QString SettingsViewModel::timeLabel(int minute) const {
    return qv::timeLabel(std::clamp(minute, 0, 1439), locale_);
}

void SettingsViewModel::notificationAction() {
    if (notificationStatus_ == NotificationStatus::notDetermined) {
        if (onRequestNotificationAuthorization) {
            onRequestNotificationAuthorization();
        }
    } else if (notificationStatus_ == NotificationStatus::denied) {
        openSystemSettings(SystemSettingsPage::notifications);
    }
}

void SettingsViewModel::cameraAccessAction() {
    if (cameraAuthorization_ == CameraAuthorization::denied ||
        cameraAuthorization_ == CameraAuthorization::restricted) {
        openSystemSettings(SystemSettingsPage::camera);
    }
}

void SettingsViewModel::openLoginItemsSettings() {
    openSystemSettings(SystemSettingsPage::loginItems);
}

void SettingsViewModel::openSystemSettings(SystemSettingsPage page) const {
    if (openSystemSettings_) {
        openSystemSettings_(page);
    }
}

void SettingsViewModel::setSystemSettingsOpener(std::function<void(SystemSettingsPage)> open) {
    const bool could = canOpenSystemSettings();
    openSystemSettings_ = std::move(open);
    if (could != canOpenSystemSettings()) {
        Q_EMIT canOpenSystemSettingsChanged();
        Q_EMIT notificationStatusChanged();
        Q_EMIT cameraAuthorizationChanged();
    }
}

void SettingsViewModel::setUpdateCheckText(const QString& text) {
    if (text != updateCheckText_) {
        updateCheckText_ = text;
        Q_EMIT updateCheckTextChanged();
    }
}

} // namespace qv
