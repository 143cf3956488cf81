// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <chrono>
#include <memory>

namespace qv {

// Seconds since the user last touched keyboard or mouse. The first source that answers
// wins: the X server's screen-saver extension, GNOME's idle monitor, then the freedesktop
// screen saver's session idle time. Nothing answering within the budget gives NaN.
class IdleTimeProbe {
public:
    static constexpr std::chrono::milliseconds budget{100};

    explicit IdleTimeProbe(QDBusConnection bus = QDBusConnection::sessionBus());
    ~IdleTimeProbe();
    IdleTimeProbe(const IdleTimeProbe&) = delete;
    IdleTimeProbe& operator=(const IdleTimeProbe&) = delete;

    double secondsSinceLastInput();

private:
    struct X11;
    double fromX11();
    double fromDBus(const QString& service, const QString& path, const QString& interface,
                    const QString& method, double secondsPerUnit, int timeoutMs);

    QDBusConnection bus_;
    std::unique_ptr<X11> x11_;
};

} // namespace qv
