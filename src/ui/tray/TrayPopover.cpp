// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tray/TrayPopover.h"

#include "core/menubar/MenuBarSource.h"
#include "core/menubar/MenuPopoverModel.h"
#include "core/menubar/TrayIconText.h"

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QScreen>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Quorvantel_TrayPlugin)
Q_IMPORT_QML_PLUGIN(Quorvantel_ThemePlugin)
Q_IMPORT_QML_PLUGIN(Quorvantel_ControlsPlugin)

namespace qv {

TrayPopover::TrayPopover(MenuBarSource& source, std::function<void(TrayAction)> onAction,
                         QObject* parent)
    : QObject(parent)
    , source_(source)
    , onAction_(std::move(onAction)) {
    connect(&source_, &MenuBarSource::changed, this, &TrayPopover::refresh);
}

TrayPopover::~TrayPopover() {
    close();
}

void TrayPopover::open(const QRect& iconGeometry, const QPoint& pointer) {
    if (!window_ && !build()) {
        close();
        return;
    }
    refresh();
    place(iconGeometry, pointer);
    window_->show();
    window_->raise();
    window_->requestActivate();
    Q_EMIT openedChanged(true);
}

bool TrayPopover::build() {
    engine_ = std::make_unique<QQmlEngine>();
    engine_->addImportPath(QStringLiteral("qrc:/"));
    connect(engine_.get(), &QQmlEngine::warnings, this, [this](const QList<QQmlError>& warnings) {
        if (loadError_.isEmpty() && !warnings.isEmpty()) {
            loadError_ = warnings.first().toString();
        }
    });
    model_ = std::make_unique<MenuPopoverModel>();
    model_->onAction = [this](TrayAction action) {
        const bool leaves = action == TrayAction::startBreak ||
                            action == TrayAction::openSettings || action == TrayAction::quit;
        if (onAction_) {
            onAction_(action);
        }
        if (leaves) {
            close();
        }
    };
    model_->onDismiss = [this] { close(); };

    QQmlComponent component(engine_.get(),
                            QUrl(QStringLiteral("qrc:/Quorvantel/Tray/Popover.qml")));
    QObject* root = component.createWithInitialProperties(
        {{QStringLiteral("popover"), QVariant::fromValue(static_cast<QObject*>(model_.get()))}});
    window_ = qobject_cast<QQuickWindow*>(root);
    if (!window_) {
        loadError_ = component.errorString();
        delete root;
        return false;
    }
    connect(window_, &QWindow::activeChanged, this, [this] {
        // Clicking anywhere else takes the focus away: the popover goes, as a menu would.
        if (window_ && !window_->isActive() && window_->isVisible()) {
            close();
        }
    });
    return true;
}

void TrayPopover::close() {
    const bool wasOpen = window_ != nullptr;
    // Released later: close() can be reached from inside the window's own event handling.
    if (window_) {
        window_->hide();
        window_->deleteLater();
        window_ = nullptr;
    }
    if (model_) {
        model_.release()->deleteLater();
    }
    if (engine_) {
        engine_.release()->deleteLater();
    }
    if (wasOpen) {
        Q_EMIT openedChanged(false);
    }
}

void TrayPopover::refresh() {
    if (model_) {
        model_->setView(makePopoverView(source_.popoverDisplay(), source_.calendar()));
    }
}

void TrayPopover::place(const QRect& iconGeometry, const QPoint& pointer) {
    const QPoint anchor = iconGeometry.isValid() ? iconGeometry.center() : pointer;
    QScreen* screen = QGuiApplication::screenAt(anchor);
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    const QSize size = window_->size();
    window_->setPosition(popoverPosition(iconGeometry, pointer, size, screen->availableGeometry()));
}

} // namespace qv
