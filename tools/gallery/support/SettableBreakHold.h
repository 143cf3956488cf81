// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/breakscreen/BreakScreenHold.h"

namespace qv::gallery {

// Stands in for the desktop: the gallery says what it promises about a break.
class SettableBreakHold final : public BreakScreenHold {
public:
    BreakHoldStatus status() const override { return status_; }
    void begin(const std::vector<QObject*>&) override {}
    void end() override {}

    void set(const BreakHoldStatus& status) {
        status_ = status;
        if (onStatusChanged) {
            onStatusChanged();
        }
    }

private:
    BreakHoldStatus status_{BreakHoldGuarantee::held};
};

} // namespace qv::gallery
