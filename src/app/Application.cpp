// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"

#include "app/BreakScreenSetup.h"
#include "app/CameraHelperRuns.h"
#include "app/OnboardingPlatform.h"
#include "core/camera/CameraBackend.h"
#include "core/coordination/CameraAccess.h"
#include "core/notifications/NotificationService.h"
#include "core/scheduling/SmartPausePolicy.h"
#include "core/services/BuildInfo.h"
#include "core/services/LoginItemService.h"
#include "core/services/SoundOutput.h"
#include "core/services/UpdateFeed.h"
#include "ui/onboarding/OnboardingController.h"

#include <QCoreApplication>
#include <QLocale>
#include <QUrl>
#include <QtQml/QQmlExtensionPlugin>

Q_IMPORT_QML_PLUGIN(Quorvantel_ThemePlugin)
Q_IMPORT_QML_PLUGIN(Quorvantel_BreakScreenPlugin)
Q_IMPORT_QML_PLUGIN(Quorvantel_OnboardingPlugin)

namespace qv {

namespace {

NotificationStatus notificationStatus(const HeadsUpNotifier& notifier) {
    return notifier.isUnavailable() ? NotificationStatus::denied : NotificationStatus::authorized;
}

} // namespace

Application::Application(const Options& options, QObject* parent)
    : QObject(parent)
    , cameraVideo_(options.cameraVideo)
    , calendar_([] { return Calendar(); })
    , defaults_(&saveProblems_)
    , settings_(defaults_)
    , startup_(settings_, defaults_)
    , scheduler_(settings_, defaults_, time_, calendar_)
    , stats_(defaults_, calendar_, time_, StatsStore::defaultFilePath(), &saveProblems_)
    , escapeGate_(defaults_, calendar_, time_, settings_.emergencyEscapeLimit())
    , soundOutput_(platformBackends::makeSoundOutput())
    , sounds_(defaults_, time_, *soundOutput_)
    , loginItems_(platformBackends::makeLoginItemService())
    , launchAtLogin_(*loginItems_)
    , updater_(defaults_, time_, platformBackends::makeUpdateFeed(), buildInfo::applicationVersion)
    , notificationService_(platformBackends::makeNotificationService())
    , notifier_(*notificationService_, calendar_)
    , smartPauseProbes_(platformBackends::makeSmartPauseProbes())
    , settingsOpener_(platformBackends::makeSettingsOpener())
    , cameras_(platformBackends::makeListedCameras(options.cameraVideo))
    , lockController_(time_, breakScreenLockOptions(time_))
    , screenProcess_(time_, screenHelperLaunch(), lockController_)
    , model_(AppServices{time_, settings_, scheduler_, stats_, escapeGate_, screenProcess_,
                         notifier_, *smartPauseProbes_, *cameras_.access, *settingsOpener_,
                         cameraEngineFactory(time_, cameras_.authorization,
                                             cameraHelperRuns(time_, options.cameraVideo)),
                         &launchAtLogin_, &sounds_})
    , breakControl_(model_)
    , requests_(model_)
    , menuBar_(scheduler_, settings_, stats_, calendar_)
    , trayActions_(breakControl_)
    , settingsWindow_(SettingsWindowServices{
          settings_,
          &launchAtLogin_,
          &updater_,
          &stats_,
          cameras_.backend.get(),
          cameras_.authorization,
          {buildInfo::applicationVersion, QUrl(buildInfo::websiteUrl), buildInfo::supportEmail},
          QLocale(),
          &saveProblems_,
          &breakHoldNotice_})
    , tray_(menuBar_, trayActions_) {
    wireTray();
    wireSettingsWindow();
    wireSaveProblems();
    startup_.showOnboarding = [this](std::function<void()> completion) {
        showOnboarding(std::move(completion));
    };
    startup_.start = [this] { model_.start(); };
}

Application::~Application() {
    stop();
}

void Application::wireTray() {
    menuBar_.canCheckForUpdates = [this] { return updater_.canCheckForUpdates(); };
    trayActions_.onOpenSettings = [this] { settingsWindow_.openOrRaise(); };
    trayActions_.onCheckForUpdates = [this] {
        updater_.checkForUpdates();
        // The answer is shown where the update settings are.
        settingsWindow_.openOrRaise();
    };
    trayActions_.onQuit = [] { QCoreApplication::quit(); };
}

void Application::wireSettingsWindow() {
    settingsWindow_.setNotificationStatus(notificationStatus(notifier_));
    connect(&notifier_, &HeadsUpNotifier::availabilityChanged, this,
            [this] { settingsWindow_.setNotificationStatus(notificationStatus(notifier_)); });
    // Launching at login never waits for the user's approval here, so no page asks for it.
    settingsWindow_.onOpenSystemSettings = [this](SettingsViewModel::SystemSettingsPage page) {
        if (page == SettingsViewModel::SystemSettingsPage::camera) {
            settingsOpener_->openCameraSettings();
        } else if (page == SettingsViewModel::SystemSettingsPage::notifications) {
            settingsOpener_->openNotificationSettings();
        }
    };
    connect(&settingsWindow_, &SettingsWindow::failedToOpen, this, [](const QString& reason) {
        qWarning("quorvantel: the settings window could not open: %s", qPrintable(reason));
    });
}

// Told once as a notification, and kept at the top of the settings window until a save works.
void Application::wireSaveProblems() {
    connect(&saveProblems_, &SaveProblems::problemFound, this, [this](const QString& sentence) {
        qWarning("quorvantel: %s", qPrintable(sentence));
        notificationService_->post(
            {QCoreApplication::translate("Notification", "Quorvantel could not save"),
             sentence,
             {}});
    });
    if (saveProblems_.hasProblems()) {
        const QString notice = saveProblems_.notice();
        qWarning("quorvantel: %s", qPrintable(notice));
        notificationService_->post(
            {QCoreApplication::translate("Notification", "Quorvantel could not save"), notice, {}});
    }
}

void Application::showOnboarding(std::function<void()> completion) {
    onboarding_ = std::make_unique<OnboardingController>(
        settings_, launchAtLogin_, time_,
        onboardingPlatform(*cameras_.backend, time_, cameras_.authorization,
                           cameraHelperRuns(time_, cameraVideo_)),
        &sounds_, [this, completion] {
            completion();
            // Called from inside the controller's own finish().
            if (auto* finished = onboarding_.release()) {
                finished->deleteLater();
            }
        });
    onboarding_->setBreakHoldNotice(&breakHoldNotice_);
    onboarding_->presentation().onOpenCameraSettings = [this] {
        settingsOpener_->openCameraSettings();
    };
    if (!onboarding_->show()) {
        // A broken installation must not keep the breaks from starting; but the person never
        // saw the welcome, so it is not marked as done.
        qWarning("quorvantel: the welcome window could not open: %s",
                 qPrintable(onboarding_->errorText()));
        onboarding_.reset();
        completion();
    }
}

void Application::start() {
    showTray();
    tellOfSetAsideSettings();
    startup_.run();
}

// No window is open at start to show it in: the desktop's notification says it, once.
void Application::tellOfSetAsideSettings() {
    const QString& notice = defaults_.setAsideNotice();
    if (notice.isEmpty()) {
        return;
    }
    qWarning("quorvantel: %s", qPrintable(notice));
    notificationService_->post(
        {QCoreApplication::translate("Notification", "Quorvantel set your settings file aside"),
         notice,
         {}});
}

// Started at login, we may be up before the panel that hosts tray icons: look again for a
// while before telling the user there is none.
void Application::showTray() {
    if (tray_.show() != TrayController::Kind::none) {
        return;
    }
    trayRetriesLeft_ = trayRetryCount;
    trayRetry_ = time_.every(trayRetrySeconds, [this] {
        if (tray_.show() != TrayController::Kind::none) {
            trayRetry_.cancel();
        } else if (--trayRetriesLeft_ <= 0) {
            trayRetry_.cancel();
            // The desktop's shell may show the countdown in its top bar without a tray host.
            tray_.askIfShownInTopBar([this](bool shown) {
                if (!shown) {
                    sayHowToReachUs();
                }
            });
        }
    });
}

// Without a tray icon the running application is otherwise invisible between breaks.
void Application::sayHowToReachUs() {
    qWarning("quorvantel: this desktop shows no tray icons; use quorvantel --status, "
             "--settings and the other options to reach Quorvantel.");
    noTrayNotice_ = platformBackends::makeNotificationService();
    noTrayNotice_->post(
        {QCoreApplication::translate("Notification", "Quorvantel is running"),
         QCoreApplication::translate(
             "Notification",
             "This desktop shows no tray icons. Open Quorvantel from your application "
             "launcher to reach its settings, or run quorvantel --settings."),
         {}});
}

void Application::stop() {
    onboarding_.reset();
    settingsWindow_.close();
    model_.stop();
    scheduler_.cancelTimer();
}

InstanceCommands Application::instanceCommands() {
    InstanceCommands commands;
    commands.startBreakNow = [this] { return requests_.startBreakNow(); };
    commands.snooze = [this] { return requests_.snooze(); };
    commands.pauseFor = [this](double seconds) { return requests_.pauseFor(seconds); };
    commands.pauseUntilTomorrow = [this] { return requests_.pauseUntilTomorrow(); };
    commands.resume = [this] { return requests_.resume(); };
    commands.openSettings = [this] { settingsWindow_.openOrRaise(); };
    commands.status = [this] { return menuBar_.statusText(); };
    return commands;
}

} // namespace qv
