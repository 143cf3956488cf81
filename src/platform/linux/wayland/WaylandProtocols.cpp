// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/wayland/WaylandProtocols.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

namespace qv::wayland {

namespace {

struct ::wl_surface* surfaceOf(QWindow* window) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (native == nullptr || window == nullptr || window->handle() == nullptr) {
        return nullptr;
    }
    return static_cast<struct ::wl_surface*>(
        native->nativeResourceForWindow(QByteArrayLiteral("surface"), window));
}

struct ::wl_seat* defaultSeat() {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (native == nullptr) {
        return nullptr;
    }
    return static_cast<struct ::wl_seat*>(
        native->nativeResourceForIntegration(QByteArrayLiteral("wl_seat")));
}

// One request for a token, activating its window once the compositor hands the token over.
class ActivationRequest final : public QtWayland::xdg_activation_token_v1 {
public:
    ActivationRequest(struct ::xdg_activation_token_v1* object, Activation& activation,
                      QWindow* window)
        : QtWayland::xdg_activation_token_v1(object)
        , activation_(activation)
        , window_(window) {}
    ~ActivationRequest() override { destroy(); }

private:
    void xdg_activation_token_v1_done(const QString& token) override {
        if (struct ::wl_surface* surface = surfaceOf(window_)) {
            activation_.QtWayland::xdg_activation_v1::activate(token, surface);
        }
        delete this;
    }

    Activation& activation_;
    QPointer<QWindow> window_;
};

} // namespace

bool isWaylandSession() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

ShortcutsInhibition::ShortcutsInhibition(struct ::zwp_keyboard_shortcuts_inhibitor_v1* object)
    : QtWayland::zwp_keyboard_shortcuts_inhibitor_v1(object) {}

ShortcutsInhibition::~ShortcutsInhibition() {
    destroy();
}

ShortcutsInhibitManager::ShortcutsInhibitManager()
    : QWaylandClientExtensionTemplate<ShortcutsInhibitManager>(1) {
    initialize();
}

ShortcutsInhibitManager::~ShortcutsInhibitManager() {
    if (isActive()) {
        destroy();
    }
}

std::unique_ptr<ShortcutsInhibition> ShortcutsInhibitManager::inhibit(QWindow* window) {
    struct ::wl_surface* surface = surfaceOf(window);
    struct ::wl_seat* seat = defaultSeat();
    if (!isActive() || surface == nullptr || seat == nullptr) {
        return nullptr;
    }
    return std::make_unique<ShortcutsInhibition>(inhibit_shortcuts(surface, seat));
}

Activation::Activation()
    : QWaylandClientExtensionTemplate<Activation>(1) {
    initialize();
}

Activation::~Activation() {
    if (isActive()) {
        destroy();
    }
}

void Activation::activate(QWindow* window) {
    struct ::wl_surface* surface = surfaceOf(window);
    if (!isActive() || surface == nullptr) {
        return;
    }
    // Deletes itself once the compositor has answered.
    auto* request = new ActivationRequest(get_activation_token(), *this, window);
    // Qt keeps the serial of the last input to itself; without it a compositor may only mark
    // the window as wanting attention.
    request->set_surface(surface);
    request->commit();
}

} // namespace qv::wayland
