// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qwayland-keyboard-shortcuts-inhibit-unstable-v1.h"
#include "qwayland-xdg-activation-v1.h"

#include <QtWaylandClient/QWaylandClientExtensionTemplate>
#include <memory>

class QWindow;

// Client ends of the Wayland protocols the break holds use, on Qt's own connection to the
// compositor. Each is active only where the compositor offers it.
namespace qv::wayland {

// Whether this application talks to a Wayland compositor.
bool isWaylandSession();

// While it lives and its window has keyboard focus, the compositor keeps its own shortcuts
// (workspace switching, window cycling, launchers) to itself and hands the keys to the window.
class ShortcutsInhibition final : public QtWayland::zwp_keyboard_shortcuts_inhibitor_v1 {
public:
    explicit ShortcutsInhibition(struct ::zwp_keyboard_shortcuts_inhibitor_v1* object);
    ~ShortcutsInhibition() override;
    ShortcutsInhibition(const ShortcutsInhibition&) = delete;
    ShortcutsInhibition& operator=(const ShortcutsInhibition&) = delete;

    // Whether the compositor says the shortcuts are inhibited right now.
    bool isActive() const { return active_; }

private:
    void zwp_keyboard_shortcuts_inhibitor_v1_active() override { active_ = true; }
    void zwp_keyboard_shortcuts_inhibitor_v1_inactive() override { active_ = false; }
    bool active_ = false;
};

class ShortcutsInhibitManager final
    : public QWaylandClientExtensionTemplate<ShortcutsInhibitManager>,
      public QtWayland::zwp_keyboard_shortcuts_inhibit_manager_v1 {
public:
    ShortcutsInhibitManager();
    ~ShortcutsInhibitManager() override;

    // None when the compositor offers no inhibitor or the window has no surface yet.
    std::unique_ptr<ShortcutsInhibition> inhibit(QWindow* window);
};

// Asks the compositor to give a window focus (xdg_activation_v1); whether it does is the
// compositor's choice.
class Activation final : public QWaylandClientExtensionTemplate<Activation>,
                         public QtWayland::xdg_activation_v1 {
public:
    Activation();
    ~Activation() override;

    void activate(QWindow* window);
};

} // namespace qv::wayland
