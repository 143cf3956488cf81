// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/breakscreen/BreakScreenHold.h"
#include "core/breakscreen/ForeignWindowFocus.h"
#include "core/breakscreen/LockController.h"
#include "ui/breakscreen/OverlayWindow.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QScreen;

namespace qv {

// Covers every screen with a break window while locked, and keeps them there: another window
// taking focus is answered by taking it back, screens that come, go or change get new
// windows, and on release focus goes back to the window the user last used.
class WindowLockController final : public QObject, public LockController {
    Q_OBJECT

public:
    static constexpr double fadeInSeconds = 0.25;
    static constexpr double fadeOutSeconds = 0.2;
    static constexpr double rebuildDelaySeconds = 0.1;
    static constexpr double reactivationDelaySeconds = 0.05;

    struct Options {
        // None where the desktop cannot say which window has focus (Wayland).
        std::unique_ptr<ForeignWindowFocus> focus;
        // The desktop's wish for less motion: no fades, no confetti.
        std::function<bool()> reduceMotion;
        // What keeps the windows in front on this desktop, the keyboard grab included; none
        // where nothing but the windows does.
        std::unique_ptr<BreakScreenHold> hold;
    };

    WindowLockController(TimeSource& time, Options options, QObject* parent = nullptr);
    ~WindowLockController() override;

    void lock(BreakOverlayModel& model) override;
    void release(bool animated) override;
    bool isLocked() const override { return model_ != nullptr; }

    // What keeps the windows in front on this desktop; null when nothing but the windows does.
    BreakScreenHold* hold() const { return options_.hold.get(); }

    // The current break windows, one per screen (for tests and tools).
    std::vector<OverlayWindow*> windows() const;

private:
    void buildWindows(bool animated);
    std::unique_ptr<OverlayWindow> makeWindow(QScreen* screen);
    void bringToFront();
    void holdWindows();
    void scheduleRebuild();
    void scheduleReactivation();
    void noteFocusLeft();
    void noteExternalFocus();
    void watchScreen(QScreen* screen);
    void chordChanged(bool held);
    bool reduceMotion() const;
    static void closeWindow(OverlayWindow& window);

    TimeSource& time_;
    Options options_;
    QPointer<BreakOverlayModel> model_;
    std::vector<std::unique_ptr<OverlayWindow>> windows_;
    ScheduledTask rebuildTask_;
    ScheduledTask reactivationTask_;
    std::optional<quint64> previousWindow_;
    std::optional<quint64> lastExternalWindow_;
};

} // namespace qv
