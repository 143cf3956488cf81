// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/breakscreen/ForeignWindowFocus.h"

#include <QAbstractNativeEventFilter>
#include <memory>

namespace qv {

// Focus on an X11 desktop through the window manager's _NET_ACTIVE_WINDOW (EWMH). Needs the
// application's X connection, so only exists when Qt runs on xcb.
class X11WindowFocus final : public ForeignWindowFocus, private QAbstractNativeEventFilter {
public:
    // None when the application does not run on X11.
    static std::unique_ptr<X11WindowFocus> create();
    ~X11WindowFocus() override;

    std::optional<quint64> activeWindow() const override;
    bool isOwnWindow(quint64 window) const override;
    void activate(quint64 window) override;

private:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

    struct Connection;
    explicit X11WindowFocus(std::unique_ptr<Connection> connection);
    std::unique_ptr<Connection> x_;
};

} // namespace qv
