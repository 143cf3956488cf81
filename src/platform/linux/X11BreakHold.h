// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/breakscreen/BreakScreenHold.h"
#include "core/time/TimeSource.h"

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWindow>
#include <memory>
#include <vector>

namespace qv {

// The break held on an X11 desktop by its own windows: each is put on every virtual desktop,
// so switching desktops cannot hide it, and one grabs the keyboard, so every key goes to the
// break. An active grab beats the passive grabs a window manager's key bindings are made of,
// but the server refuses it while the window is not yet mapped or another client holds a
// grab, and drops it when the window is unmapped: it is asked for until granted, and again
// whenever the server says it ended.
class X11BreakHold final : public BreakScreenHold, private QAbstractNativeEventFilter {
public:
    static constexpr double retrySeconds = 0.05;

    // None when the application does not run on X11.
    static std::unique_ptr<X11BreakHold> create(TimeSource& time);
    ~X11BreakHold() override;

    BreakHoldStatus status() const override;
    void begin(const std::vector<QObject*>& windows) override;
    void end() override;

private:
    struct Connection;
    X11BreakHold(TimeSource& time, std::unique_ptr<Connection> connection);
    void putOnEveryDesktop(QWindow& window);
    void keepKeyboard();
    bool grabKeyboard(QWindow& window);
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

    TimeSource& time_;
    std::unique_ptr<Connection> x_;
    std::vector<QPointer<QWindow>> windows_;
    ScheduledTask nextGrab_;
};

} // namespace qv
