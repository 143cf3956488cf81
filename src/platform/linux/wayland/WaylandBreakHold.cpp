// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/wayland/WaylandBreakHold.h"

#include "platform/linux/wayland/WaylandProtocols.h"

#include <QWindow>

namespace qv {

struct WaylandBreakHold::Protocols {
    wayland::ShortcutsInhibitManager inhibitManager;
    wayland::Activation activation;
    std::vector<std::unique_ptr<wayland::ShortcutsInhibition>> inhibitions;
};

WaylandBreakHold::WaylandBreakHold(BreakHoldGuarantee promise)
    : promise_(promise)
    , protocols_(std::make_unique<Protocols>()) {}

WaylandBreakHold::~WaylandBreakHold() = default;

bool WaylandBreakHold::isWaylandSession() {
    return wayland::isWaylandSession();
}

BreakHoldStatus WaylandBreakHold::status() const {
    // Without the inhibitor the desktop's own shortcuts switch workspaces under the break.
    if (!protocols_->inhibitManager.isActive()) {
        return {BreakHoldGuarantee::leavable, BreakHoldRemedy::none};
    }
    return {promise_, BreakHoldRemedy::none};
}

void WaylandBreakHold::begin(const std::vector<QObject*>& windows) {
    protocols_->inhibitions.clear();
    for (QObject* object : windows) {
        if (auto inhibition = protocols_->inhibitManager.inhibit(qobject_cast<QWindow*>(object))) {
            protocols_->inhibitions.push_back(std::move(inhibition));
        }
    }
}

void WaylandBreakHold::end() {
    protocols_->inhibitions.clear();
}

void WaylandBreakHold::takeFocusBack(QObject* window) {
    protocols_->activation.activate(qobject_cast<QWindow*>(window));
}

} // namespace qv
