// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menubar/BreakControl.h"

#include "core/scheduling/BreakScheduler.h"

namespace qv {

SchedulerBreakControl::SchedulerBreakControl(BreakScheduler& scheduler, const TimeSource& time)
    : scheduler_(scheduler)
    , cycle_(
          scheduler, time, [this] { return isStarted ? isStarted() : scheduler_.isRunning(); },
          [this] {
              if (onBeforeAction) {
                  onBeforeAction();
              }
          }) {}

} // namespace qv
