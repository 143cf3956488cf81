// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <functional>
#include <optional>

namespace qv {

// The desktop's notion of which window has focus, for handing focus back after a break.
// Windows are the desktop's own identifiers; what one is depends on the windowing system.
class ForeignWindowFocus {
public:
    virtual ~ForeignWindowFocus() = default;

    // The window that has focus now; none when nothing has or the desktop will not say.
    virtual std::optional<quint64> activeWindow() const = 0;
    // Whether the window belongs to this process.
    virtual bool isOwnWindow(quint64 window) const = 0;
    // Asks the desktop to give the window focus; it may refuse.
    virtual void activate(quint64 window) = 0;

    // Told whenever focus moves to another window, where the desktop says so.
    std::function<void()> onActiveWindowChanged;
};

} // namespace qv
