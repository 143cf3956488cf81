// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/onboarding/OnboardingController.h"

#include "core/settings/SettingsStore.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickView>
#include <QScreen>
#include <QtQml/qqmlextensionplugin.h>

// The practice run's picture item and the shared controls; imported here so that whatever
// shows the window has them.
Q_IMPORT_QML_PLUGIN(Quorvantel_CameraPreviewPlugin)
Q_IMPORT_QML_PLUGIN(Quorvantel_ControlsPlugin)

namespace qv {

OnboardingController::OnboardingController(SettingsStore& settings,
                                           LaunchAtLoginController& launchAtLogin, TimeSource& time,
                                           OnboardingModel::Platform platform, SoundPlayer* sounds,
                                           std::function<void()> onComplete, QObject* parent)
    : QObject(parent)
    , settings_(settings)
    , model_(std::move(platform), sounds)
    , presentation_(model_, settings, launchAtLogin, time)
    , onComplete_(std::move(onComplete)) {
    QPointer<OnboardingController> self(this);
    model_.onFinished = [self] {
        if (self) {
            self->finish();
        }
    };
    model_.trialCameraID = [this] { return settings_.selectedCameraID(); };
}

OnboardingController::~OnboardingController() {
    if (window_) {
        window_->removeEventFilter(this);
        delete window_.data();
    }
}

bool OnboardingController::show() {
    if (completed_) {
        return false;
    }
    if (!window_) {
        auto* view = new QQuickView();
        view->setTitle(QCoreApplication::translate("Onboarding", "Welcome to Quorvantel"));
        view->setResizeMode(QQuickView::SizeRootObjectToView);
        view->setMinimumSize(QSize(windowWidth, windowHeight));
        view->setMaximumSize(QSize(windowWidth, windowHeight));
        view->resize(windowWidth, windowHeight);
        view->engine()->addImportPath(QStringLiteral("qrc:/"));
        view->setInitialProperties(
            {{QStringLiteral("presentation"), QVariant::fromValue<QObject*>(&presentation_)},
             {QStringLiteral("breakHold"), QVariant::fromValue<QObject*>(breakHold_.data())}});
        view->setSource(QUrl(QStringLiteral("qrc:/Quorvantel/Onboarding/qml/OnboardingView.qml")));
        if (view->status() != QQuickView::Ready) {
            QStringList errors;
            for (const QQmlError& error : view->errors()) {
                errors.append(error.toString());
            }
            errorText_ = errors.join(QLatin1Char('\n'));
            delete view;
            return false;
        }
        view->installEventFilter(this);
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            view->setPosition(area.center() - QPoint(windowWidth / 2, windowHeight / 2));
        }
        window_ = view;
    }
    if (model_.step() == OnboardingModel::lastStep) {
        model_.refreshCameraState();
    }
    window_->show();
    window_->raise();
    window_->requestActivate();
    return true;
}

bool OnboardingController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        if (event->type() == QEvent::Close) {
            // The user closed the window: that completes the onboarding too.
            complete();
        } else if (event->type() == QEvent::FocusIn && model_.step() == OnboardingModel::lastStep) {
            // A permission changed in the desktop's settings is picked up on return.
            model_.refreshCameraState();
        }
    }
    return QObject::eventFilter(watched, event);
}

void OnboardingController::finish() {
    if (completed_) {
        return;
    }
    if (window_) {
        window_->removeEventFilter(this);
        window_->close();
    }
    complete();
}

void OnboardingController::complete() {
    if (completed_) {
        return;
    }
    completed_ = true;
    model_.stopTrial();
    settings_.setHasCompletedOnboarding(true);
    if (window_) {
        window_->removeEventFilter(this);
        // This may run inside a call from the window's own QML: delete it once that returns.
        window_->deleteLater();
        window_ = nullptr;
    }
    if (auto callback = onComplete_) {
        callback();
    }
}

void OnboardingController::setReduceMotion(bool reduce) {
    presentation_.rehearsal()->setReduceMotion(reduce);
}

} // namespace qv
