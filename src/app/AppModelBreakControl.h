// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/coordination/AppModel.h"
#include "core/menubar/BreakControl.h"

namespace qv {

// The tray's buttons and menu items act through the application model, which withdraws the
// heads-up and guards each operation the same way wherever it is asked for.
class AppModelBreakControl final : public BreakControl {
public:
    explicit AppModelBreakControl(AppModel& model)
        : model_(model) {}

    void startBreakNow() override { model_.startBreakNow(); }
    void snooze() override { (void)model_.snooze(); }
    void pauseFor(double seconds) override { model_.pauseFor(seconds); }
    void pauseUntilTomorrow() override { model_.pauseUntilTomorrow(); }
    void resume() override { (void)model_.resume(); }

private:
    AppModel& model_;
};

} // namespace qv
