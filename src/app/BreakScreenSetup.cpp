// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BreakScreenSetup.h"

#include "app/HelperPrograms.h"
#include "core/coordination/AppModel.h"
#include "platform/PlatformBackends.h"

namespace qv {

WindowLockController::Options breakScreenLockOptions(TimeSource& time) {
    WindowLockController::Options options;
    options.focus = platformBackends::makeForeignWindowFocus();
    // Desktops publish no common reduced-motion preference Qt 6.4 can read.
    options.reduceMotion = [] { return false; };
    // The desktop's own hold outlasts the break's ceiling a little, so it never ends first.
    options.hold = platformBackends::makeBreakScreenHold(time, OverlayWindow::breakTitle,
                                                         AppModel::absoluteBreakCeiling + 60);
    return options;
}

ScreenHelperLaunch screenHelperLaunch() {
    return {helperProgram(QStringLiteral("quorvantel-breakscreen")), {}};
}

} // namespace qv
