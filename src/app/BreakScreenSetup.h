// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/linux/screenhelper/ScreenProcessLock.h"
#include "ui/breakscreen/WindowLockController.h"

namespace qv {

class TimeSource;

// How break windows are kept in front on this desktop, wherever they are drawn: by the break
// screen's own process, or by the application when that process cannot.
WindowLockController::Options breakScreenLockOptions(TimeSource& time);

// The break screen's own program.
ScreenHelperLaunch screenHelperLaunch();

} // namespace qv
