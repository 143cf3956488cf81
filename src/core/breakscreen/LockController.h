// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace qv {

class BreakOverlayModel;

// Covers every screen with the break screen of one model, and lets go of them again. The
// windows behind it are the views' business; the application model only locks and releases.
class LockController {
public:
    virtual ~LockController() = default;

    // Shows the model on every screen; a second lock while locked shows the new model.
    virtual void lock(BreakOverlayModel& model) = 0;
    // Removes every break window (fading out when animated) and hands focus back.
    virtual void release(bool animated) = 0;
    virtual bool isLocked() const = 0;
};

} // namespace qv
