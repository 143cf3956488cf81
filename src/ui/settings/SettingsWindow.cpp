// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/SettingsWindow.h"

#include "core/services/LaunchAtLoginController.h"
#include "core/services/UpdaterService.h"
#include "core/settings/SettingsStore.h"
#include "core/settingsui/BreakHoldNotice.h"
#include "core/settingsui/CameraChoiceList.h"
#include "core/stats/StatsPaneModel.h"
#include "core/stats/StatsStore.h"
#include "core/storage/SaveProblems.h"
#include "ui/settings/SettingsWindowModel.h"

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Quorvantel_ThemePlugin)
Q_IMPORT_QML_PLUGIN(Quorvantel_ControlsPlugin)
Q_IMPORT_QML_PLUGIN(Quorvantel_SettingsPlugin)

namespace qv {

namespace {

// Listing the cameras starts the media stack, which then stays for good: only the pane that
// shows them asks for it.
void listCamerasOnTheirPane(SettingsViewModel& viewModel, CameraChoiceList& cameras) {
    const auto listIfShown = [&viewModel, &cameras] {
        if (viewModel.pane() == static_cast<int>(SettingsViewModel::Pane::movement)) {
            cameras.startListing();
        }
    };
    QObject::connect(&viewModel, &SettingsViewModel::paneChanged, &cameras, listIfShown);
    listIfShown();
}

} // namespace

struct SettingsWindow::Session {
    // Declared first, destroyed last: the objects below are what the engine's bindings read.
    std::unique_ptr<SettingsViewModel> viewModel;
    std::unique_ptr<CameraChoiceList> cameras;
    std::unique_ptr<StatsPaneModel> stats;
    std::unique_ptr<SettingsWindowModel> model;
    std::unique_ptr<QQmlEngine> engine;
    std::unique_ptr<QQuickWindow> window;
};

SettingsWindow::SettingsWindow(SettingsWindowServices services, QObject* parent)
    : QObject(parent)
    , services_(std::move(services)) {
    // Permissions and cameras changed in the desktop's settings show up on return.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive) {
                    refreshOnReturn();
                }
            });
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::openOrRaise() {
    if (!session_) {
        open();
    }
    if (session_) {
        session_->window->show();
        session_->window->raise();
        session_->window->requestActivate();
    }
}

void SettingsWindow::open() {
    auto session = std::make_unique<Session>();
    session->viewModel = std::make_unique<SettingsViewModel>(services_.settings, services_.updater,
                                                             services_.about, services_.locale);
    session->viewModel->onRequestNotificationAuthorization = onRequestNotificationAuthorization;
    session->viewModel->setSystemSettingsOpener(onOpenSystemSettings);
    session->viewModel->setNotificationStatus(notificationStatus_);
    session->cameras = std::make_unique<CameraChoiceList>(services_.settings, services_.cameras,
                                                          CameraChoiceList::Listing::whenStarted);
    listCamerasOnTheirPane(*session->viewModel, *session->cameras);
    if (services_.stats) {
        session->stats = std::make_unique<StatsPaneModel>(*services_.stats, services_.locale);
    }
    session->engine = std::make_unique<QQmlEngine>();
    session->engine->addImportPath(QStringLiteral("qrc:/"));

    QQmlComponent component(session->engine.get(),
                            QUrl(QStringLiteral("qrc:/Quorvantel/Settings/SettingsWindow.qml")));
    // Qt 6.4 crashes when asked to create from a component that failed to load.
    if (!component.isReady()) {
        Q_EMIT failedToOpen(component.errorString());
        return;
    }
    session->model = std::make_unique<SettingsWindowModel>();
    SettingsWindowModel& model = *session->model;
    model.settings = &services_.settings;
    model.texts = session->viewModel.get();
    model.launchAtLogin = services_.launchAtLogin;
    model.updater = services_.updater;
    model.cameras = session->cameras.get();
    model.stats = session->stats.get();
    model.saveProblems = services_.saveProblems;
    model.breakHold = services_.breakHold;
    std::unique_ptr<QObject> created(component.createWithInitialProperties(
        {{QStringLiteral("model"), QVariant::fromValue(session->model.get())}}));
    auto* window = qobject_cast<QQuickWindow*>(created.get());
    if (!window) {
        Q_EMIT failedToOpen(component.errorString());
        return;
    }
    created.release();
    session->window.reset(window);
    connect(window, &QWindow::visibleChanged, this, [this](bool visible) {
        if (!visible) {
            // Not from inside the window's own signal: the engine goes with it.
            QMetaObject::invokeMethod(this, &SettingsWindow::release, Qt::QueuedConnection);
        }
    });
    session_ = std::move(session);
    refreshOnReturn();
    Q_EMIT isOpenChanged();
}

void SettingsWindow::close() {
    if (session_) {
        session_->window->close();
    }
}

void SettingsWindow::release() {
    if (!session_ || session_->window->isVisible()) {
        return;
    }
    session_.reset();
    Q_EMIT isOpenChanged();
}

void SettingsWindow::refreshOnReturn() {
    if (!session_) {
        return;
    }
    if (services_.launchAtLogin) {
        services_.launchAtLogin->refresh();
    }
    if (services_.cameraAuthorization) {
        session_->viewModel->setCameraAuthorization(services_.cameraAuthorization());
    }
    session_->cameras->refresh();
    if (session_->stats) {
        session_->stats->refresh();
    }
}

void SettingsWindow::setNotificationStatus(NotificationStatus status) {
    notificationStatus_ = status;
    if (session_) {
        session_->viewModel->setNotificationStatus(status);
    }
}

QQuickWindow* SettingsWindow::window() const {
    return session_ ? session_->window.get() : nullptr;
}

SettingsViewModel* SettingsWindow::viewModel() const {
    return session_ ? session_->viewModel.get() : nullptr;
}

} // namespace qv
