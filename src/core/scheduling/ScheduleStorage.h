// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/scheduling/BreakSchedule.h"

#include <optional>

namespace qv {

class KeyValueStore;

// The schedule as it was saved, not yet moved to the present; empty when nothing usable was
// saved (no state, an unknown state, or a date the state needs is missing).
std::optional<BreakSchedule> loadSchedule(const KeyValueStore& defaults);
// Writes or removes the six keys so that they describe the schedule exactly.
void saveSchedule(KeyValueStore& defaults, const BreakSchedule& schedule);

} // namespace qv
