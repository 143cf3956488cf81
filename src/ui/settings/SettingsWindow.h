// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraAuthorization.h"
#include "core/settingsui/SettingsViewModel.h"

#include <QLocale>
#include <QObject>
#include <functional>
#include <memory>

class QQuickWindow;

namespace qv {

class BreakHoldNotice;
class CameraBackend;
class CameraChoiceList;
class LaunchAtLoginController;
class SaveProblems;
class SettingsStore;
class StatsPaneModel;
class StatsStore;
class UpdaterService;

// What the settings window shows and edits. Only the settings store is required; a missing
// service leaves its controls disabled or its pane saying it is unavailable.
struct SettingsWindowServices {
    SettingsStore& settings;
    LaunchAtLoginController* launchAtLogin = nullptr;
    UpdaterService* updater = nullptr;
    StatsStore* stats = nullptr;
    CameraBackend* cameras = nullptr;
    CameraAuthorizationCheck cameraAuthorization;
    SettingsViewModel::AboutFacts about;
    QLocale locale;
    // Files that could not be saved, told above every pane.
    SaveProblems* saveProblems = nullptr;
    // What this desktop can promise about a break, told in the break-screen section.
    BreakHoldNotice* breakHold = nullptr;
};

// Opens the settings window on demand, raises it when asked again, and drops the window and
// its QML engine when the user closes it, so an idle tray keeps nothing of it.
class SettingsWindow final : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isOpen READ isOpen NOTIFY isOpenChanged)

public:
    explicit SettingsWindow(SettingsWindowServices services, QObject* parent = nullptr);
    ~SettingsWindow() override;

    // Optional: the "Enable" button of the notification row and the buttons that open the
    // desktop's settings are offered only when these are set.
    std::function<void()> onRequestNotificationAuthorization;
    std::function<void(SettingsViewModel::SystemSettingsPage)> onOpenSystemSettings;

    bool isOpen() const { return session_ != nullptr; }
    // Kept while closed and shown when the window opens.
    void setNotificationStatus(NotificationStatus status);

    // Open and empty only while the window is open.
    QQuickWindow* window() const;
    SettingsViewModel* viewModel() const;

public Q_SLOTS:
    void openOrRaise();
    void close();

Q_SIGNALS:
    void isOpenChanged();
    // The window could not be built (a broken installation); the text says why.
    void failedToOpen(const QString& reason);

private:
    struct Session;
    void open();
    void release();
    void refreshOnReturn();

    SettingsWindowServices services_;
    NotificationStatus notificationStatus_ = NotificationStatus::unknown;
    std::unique_ptr<Session> session_;
};

} // namespace qv
