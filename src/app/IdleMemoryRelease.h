// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/time/TimeSource.h"

#include <QObject>
#include <functional>

namespace qv {

// Font engines with their glyphs, and the heap pages the windows' engines freed: Qt and the
// allocator keep both for reuse, which for a program that shows a window now and then and
// otherwise waits in the tray is memory held all day.
void releaseWindowMemory();

// Gives back what the windows needed once the last of them has gone, from one place for every
// window of the application: the tray's popover, the settings, the welcome and the break screen.
class IdleMemoryRelease final : public QObject {
    Q_OBJECT

public:
    // How long after a window hid to look: its engine goes with a deferred delete, and a window
    // shown again at once (a popover clicked twice) does not have to load its fonts again.
    static constexpr double settleSeconds = 2;

    // Watches every window of the application; `release` runs when no Qt Quick window is left
    // showing.
    explicit IdleMemoryRelease(TimeSource& time,
                               std::function<void()> release = releaseWindowMemory,
                               QObject* parent = nullptr);
    ~IdleMemoryRelease() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void releaseIfNoWindowShows();

    TimeSource& time_;
    std::function<void()> release_;
    ScheduledTask pending_;
};

} // namespace qv
