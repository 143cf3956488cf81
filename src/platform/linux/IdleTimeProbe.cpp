// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/IdleTimeProbe.h"

#include <QDBusMessage>
#include <QElapsedTimer>
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>
#include <cmath>
#include <limits>

namespace qv {

namespace {
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
} // namespace

// A connection of the probe's own to the X server, opened on first use and kept.
struct IdleTimeProbe::X11 {
    Display* display = nullptr;
    XScreenSaverInfo* info = nullptr;
    bool unavailable = false;

    ~X11() {
        if (info != nullptr) {
            XFree(info);
        }
        if (display != nullptr) {
            XCloseDisplay(display);
        }
    }
};

IdleTimeProbe::IdleTimeProbe(QDBusConnection bus)
    : bus_(std::move(bus))
    , x11_(std::make_unique<X11>()) {}

IdleTimeProbe::~IdleTimeProbe() = default;

double IdleTimeProbe::secondsSinceLastInput() {
    QElapsedTimer elapsed;
    elapsed.start();
    const double fromServer = fromX11();
    if (std::isfinite(fromServer)) {
        return fromServer;
    }
    auto left = [&] { return static_cast<int>(budget.count() - elapsed.elapsed()); };
    if (left() > 0) {
        const double gnome = fromDBus(QStringLiteral("org.gnome.Mutter.IdleMonitor"),
                                      QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
                                      QStringLiteral("org.gnome.Mutter.IdleMonitor"),
                                      QStringLiteral("GetIdletime"), 0.001, left());
        if (std::isfinite(gnome)) {
            return gnome;
        }
    }
    if (left() > 0) {
        return fromDBus(QStringLiteral("org.freedesktop.ScreenSaver"),
                        QStringLiteral("/org/freedesktop/ScreenSaver"),
                        QStringLiteral("org.freedesktop.ScreenSaver"),
                        QStringLiteral("GetSessionIdleTime"), 1.0, left());
    }
    return notANumber;
}

double IdleTimeProbe::fromX11() {
    X11& x = *x11_;
    if (x.unavailable) {
        return notANumber;
    }
    if (x.display == nullptr) {
        int eventBase = 0;
        int errorBase = 0;
        x.display = XOpenDisplay(nullptr);
        if (x.display == nullptr ||
            !XScreenSaverQueryExtension(x.display, &eventBase, &errorBase)) {
            x.unavailable = true; // Wayland or no X server: ask the desktop instead
            return notANumber;
        }
        x.info = XScreenSaverAllocInfo();
    }
    if (x.info == nullptr ||
        XScreenSaverQueryInfo(x.display, DefaultRootWindow(x.display), x.info) == 0) {
        return notANumber;
    }
    return static_cast<double>(x.info->idle) / 1000.0;
}

double IdleTimeProbe::fromDBus(const QString& service, const QString& path,
                               const QString& interface, const QString& method,
                               double secondsPerUnit, int timeoutMs) {
    if (!bus_.isConnected()) {
        return notANumber;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    // A desktop without the service should not have one started for a probe.
    call.setAutoStartService(false);
    const QDBusMessage reply = bus_.call(call, QDBus::Block, timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return notANumber;
    }
    bool ok = false;
    const double value = reply.arguments().constFirst().toDouble(&ok);
    return ok ? value * secondsPerUnit : notANumber;
}

} // namespace qv
