// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace qv {

class AppModel;

// Why a request from outside (another launch, a script on the session bus) cannot act now.
struct RequestRefusal {
    enum class Kind {
        notNow,      // the moment is wrong: during the welcome or a break, not paused, too early
        limitReached // allowed again only in a later cycle
    };
    Kind kind;
    QString reason;
};

// Nothing when the request acted.
using RequestOutcome = std::optional<RequestRefusal>;

// The requests another launch or a script can make. Each acts through the model with the
// tray's own guards, or says why it cannot, so that nobody is told "done" for nothing.
class ControlRequests {
public:
    explicit ControlRequests(AppModel& model)
        : model_(model) {}

    RequestOutcome startBreakNow();
    RequestOutcome snooze();
    RequestOutcome pauseFor(double seconds);
    RequestOutcome pauseUntilTomorrow();
    RequestOutcome resume();

private:
    RequestOutcome refusedDuringWelcome() const;
    // What keeps every change of the schedule from acting: the welcome, or a break on screen.
    RequestOutcome refusedForChange(const QString& duringBreak) const;
    RequestOutcome changeUnlessRefused(const QString& duringBreak,
                                       const std::function<void()>& change);
    RequestOutcome refusedSnooze() const;

    AppModel& model_;
};

} // namespace qv
