// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/breakscreen/BreakScreenHold.h"

#include <memory>
#include <vector>

namespace qv {

// The hold any Wayland compositor allows a client: the desktop's shortcuts inhibited while a
// break window has the keyboard, and focus asked back when another window took it. Whether
// that holds depends on the compositor (sway keeps new windows behind a full-screen one and
// only marks a window asking for focus as urgent; others give it focus), so the caller says.
class WaylandBreakHold : public BreakScreenHold {
public:
    explicit WaylandBreakHold(BreakHoldGuarantee promise);
    ~WaylandBreakHold() override;

    // Whether this application talks to a Wayland compositor.
    static bool isWaylandSession();

    BreakHoldStatus status() const override;
    void begin(const std::vector<QObject*>& windows) override;
    void end() override;
    void takeFocusBack(QObject* window) override;

private:
    struct Protocols;
    BreakHoldGuarantee promise_;
    std::unique_ptr<Protocols> protocols_;
};

} // namespace qv
