// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QObject;

namespace qv {

// What a desktop can promise once the break screen shows.
enum class BreakHoldGuarantee {
    // Switching windows, a new window and the desktop's own shortcuts cannot take the user
    // away from the break screen.
    held,
    // The break screen covers every screen, but switching windows can leave it.
    leavable,
};

// What the user can do on this desktop to turn a leavable break into a held one.
enum class BreakHoldRemedy {
    // Nothing this application knows of.
    none,
    // enable() does it (on GNOME: turning the shell extension on).
    enable,
    // It is installed, but the desktop only finds it after logging out and in again.
    logInAgain,
};

struct BreakHoldStatus {
    BreakHoldStatus() = default;
    BreakHoldStatus(BreakHoldGuarantee guaranteed, BreakHoldRemedy remedied = BreakHoldRemedy::none,
                    QString refusal = {})
        : guarantee(guaranteed)
        , remedy(remedied)
        , problem(std::move(refusal)) {}

    BreakHoldGuarantee guarantee = BreakHoldGuarantee::leavable;
    BreakHoldRemedy remedy = BreakHoldRemedy::none;
    // Why the desktop refused the last attempt to carry out the remedy, or to load what it
    // turned on, in its own words; empty when nothing went wrong.
    QString problem;

    friend bool operator==(const BreakHoldStatus&, const BreakHoldStatus&) = default;
};

// Keeps the break windows in front on one desktop family, with whatever that desktop offers
// to clients. The lock controller shows the windows; the hold asks the desktop to keep them.
class BreakScreenHold {
public:
    virtual ~BreakScreenHold() = default;

    // What this desktop can promise now; may change while running (an extension turned on).
    virtual BreakHoldStatus status() const = 0;

    // A break shows in these windows (QWindows, one per screen). Called again with the new
    // list whenever the windows are replaced while the break goes on. A hold that finds the
    // break windows by itself may ignore them.
    virtual void begin(const std::vector<QObject*>& windows) = 0;
    // The break is over: whatever begin asked of the desktop is given back. Harmless when
    // nothing began.
    virtual void end() = 0;

    // Another window took focus during the break: ask the desktop to give it back to this
    // break window, where it lets clients do that.
    virtual void takeFocusBack(QObject* window) { static_cast<void>(window); }

    // Carries out the remedy when it is BreakHoldRemedy::enable; otherwise does nothing. The
    // outcome arrives as a status change: held, or the desktop's refusal in problem.
    virtual void enable() {}

    // Told whenever status() changes.
    std::function<void()> onStatusChanged;
};

} // namespace qv
