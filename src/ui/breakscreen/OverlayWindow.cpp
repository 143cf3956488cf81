// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/breakscreen/OverlayWindow.h"

#include <QKeyEvent>
#include <QPropertyAnimation>
#include <QQmlEngine>
#include <QQuickItem>
#include <QtQml/qqmlextensionplugin.h>
#include <memory>

// The camera card's picture item and the shared controls; imported here so that whatever
// shows the break screen has them.
Q_IMPORT_QML_PLUGIN(Quorvantel_CameraPreviewPlugin)
Q_IMPORT_QML_PLUGIN(Quorvantel_ControlsPlugin)

namespace qv {

namespace {

bool hasChordModifiers(Qt::KeyboardModifiers modifiers) {
    return modifiers.testFlag(Qt::ShiftModifier) && modifiers.testFlag(Qt::ControlModifier);
}

} // namespace

OverlayWindow::OverlayWindow(BreakOverlayModel& model, TimeSource& time, bool reduceMotion,
                             QScreen* screen)
    : presentation_(model)
    , hold_(model, time)
    , time_(time) {
    if (screen != nullptr) {
        setScreen(screen);
    }
    setTitle(breakTitle);
    setFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setColor(Qt::black);
    setResizeMode(QQuickView::SizeRootObjectToView);
    engine()->addImportPath(QStringLiteral("qrc:/"));
    setInitialProperties({{QStringLiteral("model"), QVariant::fromValue<QObject*>(&model)},
                          {QStringLiteral("screen"), QVariant::fromValue<QObject*>(&presentation_)},
                          {QStringLiteral("hold"), QVariant::fromValue<QObject*>(&hold_)},
                          {QStringLiteral("reduceMotion"), reduceMotion}});
    setSource(QUrl(QStringLiteral("qrc:/Quorvantel/BreakScreen/qml/BreakScreen.qml")));
}

OverlayWindow::~OverlayWindow() {
    cancelChord();
    // The screen goes before the objects it binds to, which are members of this window.
    setSource(QUrl());
}

QString OverlayWindow::loadErrors() const {
    QStringList lines;
    for (const QQmlError& error : errors()) {
        lines.append(error.toString());
    }
    return lines.join(u'\n');
}

void OverlayWindow::freeze() {
    cancelChord();
    hold_.stop();
    QObject::disconnect(&presentation_.model(), nullptr, &presentation_, nullptr);
}

void OverlayWindow::coverFirst(double fadeInSeconds) {
    QQuickItem* content = rootObject();
    if (content == nullptr) {
        return;
    }
    // Hidden items get no scene-graph nodes, so the first frame is only the clear colour.
    content->setVisible(false);
    content->setOpacity(0.0);
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = connect(
        this, &QQuickWindow::frameSwapped, this,
        [this, once, fadeInSeconds] {
            QObject::disconnect(*once);
            reveal(fadeInSeconds);
        },
        Qt::QueuedConnection);
}

void OverlayWindow::reveal(double fadeInSeconds) {
    if (QQuickItem* content = rootObject()) {
        content->setVisible(true);
        fadeContent(1.0, fadeInSeconds, nullptr);
    }
}

void OverlayWindow::fadeOut(double seconds, std::function<void()> done) {
    fadeContent(0.0, seconds, std::move(done));
}

void OverlayWindow::fadeContent(double to, double seconds, std::function<void()> done) {
    QQuickItem* content = rootObject();
    if (content == nullptr || seconds <= 0) {
        if (content != nullptr) {
            content->setOpacity(to);
        }
        if (done) {
            done();
        }
        return;
    }
    // In the scene rather than on the window: Wayland compositors take no window opacity.
    auto* fade = new QPropertyAnimation(content, "opacity", content);
    fade->setDuration(static_cast<int>(seconds * 1000));
    fade->setEndValue(to);
    if (done) {
        connect(fade, &QPropertyAnimation::finished, this, std::move(done));
    }
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void OverlayWindow::cancelChord() {
    pendingRelease_.cancel();
    setChordHeld(false);
}

void OverlayWindow::setChordHeld(bool held) {
    if (isChordHeld_ == held) {
        return;
    }
    isChordHeld_ = held;
    if (onEmergencyChordStateChanged) {
        onEmergencyChordStateChanged(held);
    }
}

void OverlayWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_E && hasChordModifiers(event->modifiers())) {
        // A press soon after a release of E is the key repeating, not a new chord.
        pendingRelease_.cancel();
        setChordHeld(true);
        event->accept();
        return;
    }
    QQuickView::keyPressEvent(event);
}

void OverlayWindow::keyReleaseEvent(QKeyEvent* event) {
    if (isChordHeld_ && event->key() == Qt::Key_E) {
        event->accept();
        if (!event->isAutoRepeat()) {
            pendingRelease_ = time_.after(keyRepeatGraceSeconds, [this] { setChordHeld(false); });
        }
        return;
    }
    if (isChordHeld_ && (event->key() == Qt::Key_Shift || event->key() == Qt::Key_Control)) {
        cancelChord();
    }
    QQuickView::keyReleaseEvent(event);
}

void OverlayWindow::focusOutEvent(QFocusEvent* event) {
    cancelChord();
    QQuickView::focusOutEvent(event);
}

bool OverlayWindow::event(QEvent* event) {
    if (event->type() == QEvent::Close) {
        cancelChord();
    }
    return QQuickView::event(event);
}

} // namespace qv
