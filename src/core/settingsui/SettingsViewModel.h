// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settingsui/SettingsTexts.h"

#include <QLocale>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace qv {

class SettingsStore;
class UpdaterService;
struct StatusLineView;

// The settings window's own state and every text it derives from the settings: the view
// binds the controls straight to SettingsStore and shows these beside them.
class SettingsViewModel final : public QObject {
    Q_OBJECT
    Q_PROPERTY(int pane READ pane WRITE setPane NOTIFY paneChanged)
    Q_PROPERTY(QStringList paneTitles READ paneTitles CONSTANT)
    Q_PROPERTY(QString workIntervalText READ workIntervalText NOTIFY workIntervalTextChanged)
    Q_PROPERTY(QString honorDurationText READ honorDurationText NOTIFY honorDurationTextChanged)
    Q_PROPERTY(QString escapeLimitText READ escapeLimitText NOTIFY escapeLimitTextChanged)
    Q_PROPERTY(QString repetitionsText READ repetitionsText NOTIFY repetitionsTextChanged)
    Q_PROPERTY(QStringList exerciseTitles READ exerciseTitles CONSTANT)
    Q_PROPERTY(
        int exerciseIndex READ exerciseIndex WRITE setExerciseIndex NOTIFY exerciseIndexChanged)
    Q_PROPERTY(QString activeHoursExplanation READ activeHoursExplanation NOTIFY
                   activeHoursExplanationChanged)
    Q_PROPERTY(QString verificationDescription READ verificationDescription NOTIFY
                   verificationDescriptionChanged)
    Q_PROPERTY(int notificationStatus READ notificationStatusValue WRITE setNotificationStatusValue
                   NOTIFY notificationStatusChanged)
    Q_PROPERTY(
        qv::StatusLineView notificationRow READ notificationRow NOTIFY notificationStatusChanged)
    Q_PROPERTY(int cameraAuthorization READ cameraAuthorizationValue WRITE
                   setCameraAuthorizationValue NOTIFY cameraAuthorizationChanged)
    Q_PROPERTY(
        qv::StatusLineView cameraAccessRow READ cameraAccessRow NOTIFY cameraAuthorizationChanged)
    Q_PROPERTY(QString updateCheckText READ updateCheckText NOTIFY updateCheckTextChanged)
    Q_PROPERTY(QString versionText READ versionText CONSTANT)
    Q_PROPERTY(QString websiteText READ websiteText CONSTANT)
    Q_PROPERTY(QUrl websiteUrl READ websiteUrl CONSTANT)
    Q_PROPERTY(QString supportEmail READ supportEmail CONSTANT)
    Q_PROPERTY(QUrl supportUrl READ supportUrl CONSTANT)
    Q_PROPERTY(
        bool canOpenSystemSettings READ canOpenSystemSettings NOTIFY canOpenSystemSettingsChanged)

public:
    enum class Pane { general, breaks, movement, stats, about };
    Q_ENUM(Pane)
    enum class SystemSettingsPage { notifications, loginItems, camera };
    // The round symbol before a status line.
    enum class Symbol { Ready, Warning, Info, Question, Lock };
    Q_ENUM(Symbol)

    // What the About pane tells.
    struct AboutFacts {
        QString versionText;
        QUrl website;
        QString supportEmail;
    };

    SettingsViewModel(SettingsStore& settings, UpdaterService* updater, AboutFacts about,
                      QLocale locale, QObject* parent = nullptr);

    // Optional: without them the buttons that need them are not offered.
    std::function<void()> onRequestNotificationAuthorization;
    void setSystemSettingsOpener(std::function<void(SystemSettingsPage)> open);

    int pane() const { return static_cast<int>(pane_); }
    void setPane(int chosen);
    QStringList paneTitles() const;
    QString workIntervalText() const;
    QString honorDurationText() const;
    QString escapeLimitText() const;
    QString repetitionsText() const;
    // The exercise picker: its options in order, and the chosen one.
    QStringList exerciseTitles() const;
    int exerciseIndex() const;
    void setExerciseIndex(int index);
    QString activeHoursExplanation() const;
    QString verificationDescription() const;

    NotificationStatus notificationStatus() const { return notificationStatus_; }
    void setNotificationStatus(NotificationStatus status);
    int notificationStatusValue() const { return static_cast<int>(notificationStatus_); }
    void setNotificationStatusValue(int status);
    StatusLineView notificationRow() const;

    CameraAuthorization cameraAuthorization() const { return cameraAuthorization_; }
    void setCameraAuthorization(CameraAuthorization authorization);
    int cameraAuthorizationValue() const { return static_cast<int>(cameraAuthorization_); }
    void setCameraAuthorizationValue(int authorization);
    StatusLineView cameraAccessRow() const;

    QString updateCheckText() const { return updateCheckText_; }
    QString versionText() const { return about_.versionText; }
    QString websiteText() const { return about_.website.host(); }
    QUrl websiteUrl() const { return about_.website; }
    QString supportEmail() const { return about_.supportEmail; }
    QUrl supportUrl() const { return QUrl(QStringLiteral("mailto:") + about_.supportEmail); }
    bool canOpenSystemSettings() const { return bool(openSystemSettings_); }

    // A minute of the day as the time pickers show it.
    Q_INVOKABLE QString timeLabel(int minute) const;
    // The status rows' buttons.
    Q_INVOKABLE void notificationAction();
    Q_INVOKABLE void cameraAccessAction();
    Q_INVOKABLE void openLoginItemsSettings();

Q_SIGNALS:
    void paneChanged();
    void workIntervalTextChanged();
    void honorDurationTextChanged();
    void escapeLimitTextChanged();
    void repetitionsTextChanged();
    void exerciseIndexChanged();
    void activeHoursExplanationChanged();
    void verificationDescriptionChanged();
    void notificationStatusChanged();
    void cameraAuthorizationChanged();
    void updateCheckTextChanged();
    void canOpenSystemSettingsChanged();

private:
    void watchSettings();
    void watchUpdater();
    void setUpdateCheckText(const QString& text);
    static StatusLineView lineView(const StatusRow& row, bool canAct);
    void openSystemSettings(SystemSettingsPage page) const;

    SettingsStore& settings_;
    UpdaterService* updater_;
    AboutFacts about_;
    std::function<void(SystemSettingsPage)> openSystemSettings_;
    QLocale locale_;
    Pane pane_ = Pane::general;
    NotificationStatus notificationStatus_ = NotificationStatus::unknown;
    CameraAuthorization cameraAuthorization_ = CameraAuthorization::unknown;
    QString updateCheckText_;
};

// A status line as the settings window draws it: its symbol, its sentence and the title of its
// button (empty: no button).
struct StatusLineView {
    Q_GADGET
    // As a number, which QML compares with SettingsViewModel's Symbol values: Qt 6.4's
    // compiled bindings fail on an enum read from a value type.
    Q_PROPERTY(int symbol READ symbolValue)
    Q_PROPERTY(QString text MEMBER text)
    Q_PROPERTY(QString buttonTitle MEMBER buttonTitle)

public:
    SettingsViewModel::Symbol symbol = SettingsViewModel::Symbol::Question;
    QString text;
    QString buttonTitle;

    int symbolValue() const { return static_cast<int>(symbol); }
};

} // namespace qv
