// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/breakscreen/WindowLockController.h"

#include <QGuiApplication>
#include <QScreen>

namespace qv {

WindowLockController::WindowLockController(TimeSource& time, Options options, QObject* parent)
    : QObject(parent)
    , time_(time)
    , options_(std::move(options)) {
    if (options_.focus) {
        if (const auto active = options_.focus->activeWindow();
            active && !options_.focus->isOwnWindow(*active)) {
            lastExternalWindow_ = active;
        }
        // Under a keyboard grab the windows may not hear that they lost focus; the desktop's
        // own record of the active window is the surer sign.
        options_.focus->onActiveWindowChanged = [this] {
            const auto active = options_.focus->activeWindow();
            if (active && !options_.focus->isOwnWindow(*active)) {
                noteFocusLeft();
            }
        };
    }
    // Whenever this application loses focus, someone else took it: remember who, and take
    // it back while locked.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive) {
                    noteFocusLeft();
                }
            });
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watchScreen(screen);
        scheduleRebuild();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this] { scheduleRebuild(); });
    for (QScreen* screen : QGuiApplication::screens()) {
        watchScreen(screen);
    }
}

WindowLockController::~WindowLockController() {
    if (options_.focus) {
        options_.focus->onActiveWindowChanged = nullptr;
    }
    rebuildTask_.cancel();
    reactivationTask_.cancel();
    if (options_.hold && isLocked()) {
        options_.hold->end();
    }
    for (auto& window : windows_) {
        closeWindow(*window);
    }
}

std::vector<OverlayWindow*> WindowLockController::windows() const {
    std::vector<OverlayWindow*> list;
    for (const auto& window : windows_) {
        list.push_back(window.get());
    }
    return list;
}

void WindowLockController::lock(BreakOverlayModel& model) {
    if (model_ == &model) {
        return;
    }
    const bool wasLocked = isLocked();
    model_ = &model;
    if (!wasLocked && options_.focus) {
        const auto active = options_.focus->activeWindow();
        previousWindow_ =
            active && !options_.focus->isOwnWindow(*active) ? active : lastExternalWindow_;
    }
    // A new break while one still shows replaces its windows at once.
    buildWindows(!wasLocked);
}

void WindowLockController::release(bool animated) {
    if (!isLocked()) {
        return;
    }
    BreakOverlayModel* releasedModel = model_;
    // A chord held now is let go while the model can still hear it.
    for (auto& window : windows_) {
        window->cancelChord();
    }
    model_ = nullptr;
    rebuildTask_.cancel();
    reactivationTask_.cancel();
    if (options_.hold) {
        options_.hold->end();
    }
    auto windows = std::move(windows_);
    windows_.clear();
    for (auto& window : windows) {
        // The model goes when the break ends; a fading window shows what it last showed.
        window->freeze();
        if (animated && !reduceMotion()) {
            OverlayWindow* raw = window.release();
            connect(releasedModel, &QObject::destroyed, raw, [raw] { raw->hide(); });
            raw->fadeOut(fadeOutSeconds, [raw] {
                closeWindow(*raw);
                raw->deleteLater();
            });
        } else {
            closeWindow(*window);
        }
    }
    if (previousWindow_ && options_.focus) {
        options_.focus->activate(*previousWindow_);
    }
    previousWindow_.reset();
}

void WindowLockController::buildWindows(bool animated) {
    if (!isLocked()) {
        return;
    }
    auto old = std::move(windows_);
    windows_.clear();
    const bool fades = animated && !reduceMotion();
    for (QScreen* screen : QGuiApplication::screens()) {
        auto window = makeWindow(screen);
        window->coverFirst(fades ? fadeInSeconds : 0.0);
        window->setGeometry(screen->geometry());
        window->showFullScreen();
        windows_.push_back(std::move(window));
    }
    holdWindows();
    bringToFront();
    for (auto& window : old) {
        closeWindow(*window);
    }
}

std::unique_ptr<OverlayWindow> WindowLockController::makeWindow(QScreen* screen) {
    auto window = std::make_unique<OverlayWindow>(*model_, time_, reduceMotion(), screen);
    window->onEmergencyChordStateChanged = [this](bool held) { chordChanged(held); };
    // A compositor that takes full screen away (Wayland) gets the window back full screen.
    connect(window.get(), &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
        if (isLocked() && state != Qt::WindowFullScreen) {
            scheduleReactivation();
        }
    });
    return window;
}

void WindowLockController::bringToFront() {
    if (windows_.empty()) {
        return;
    }
    OverlayWindow* key = windows_.front().get();
    for (auto& window : windows_) {
        if (window->windowState() != Qt::WindowFullScreen) {
            window->showFullScreen();
        }
        window->raise();
    }
    for (auto& window : windows_) {
        if (window->screen() == QGuiApplication::primaryScreen()) {
            key = window.get();
            break;
        }
    }
    key->requestActivate();
    if (options_.hold) {
        options_.hold->takeFocusBack(key);
    }
    if (options_.focus) {
        options_.focus->activate(key->winId());
    }
}

void WindowLockController::holdWindows() {
    if (!options_.hold) {
        return;
    }
    std::vector<QObject*> windows;
    for (const auto& window : windows_) {
        windows.push_back(window.get());
    }
    options_.hold->begin(windows);
}

void WindowLockController::scheduleRebuild() {
    if (!isLocked()) {
        return;
    }
    rebuildTask_ = time_.after(rebuildDelaySeconds, [this] { buildWindows(false); });
}

void WindowLockController::scheduleReactivation() {
    reactivationTask_ = time_.after(reactivationDelaySeconds, [this] {
        if (isLocked()) {
            // The desktop may only now say who took focus.
            noteExternalFocus();
            bringToFront();
        }
    });
}

void WindowLockController::noteFocusLeft() {
    noteExternalFocus();
    if (isLocked()) {
        scheduleReactivation();
    }
}

void WindowLockController::noteExternalFocus() {
    if (options_.focus) {
        if (const auto active = options_.focus->activeWindow();
            active && !options_.focus->isOwnWindow(*active)) {
            lastExternalWindow_ = active;
            if (isLocked()) {
                // Release hands focus to what the user last tried to use.
                previousWindow_ = active;
            }
        }
    }
}

void WindowLockController::watchScreen(QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, this, [this] { scheduleRebuild(); });
}

void WindowLockController::chordChanged(bool held) {
    if (model_) {
        model_->setEmergencyKeyHeld(held);
    }
}

bool WindowLockController::reduceMotion() const {
    return options_.reduceMotion && options_.reduceMotion();
}

void WindowLockController::closeWindow(OverlayWindow& window) {
    window.cancelChord();
    window.hide();
    window.close();
}

} // namespace qv
