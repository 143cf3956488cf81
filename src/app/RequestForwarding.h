// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandLine.h"

#include <QDBusConnection>
#include <optional>

namespace qv {

// Hands a launch's request to the Quorvantel already running and tells the outcome: the
// status line on standard output, or why not on standard error. Returns the exit status, or
// nothing when none runs and this launch should start one (startsWhenNotRunning). Needs a
// QCoreApplication, not a display.
std::optional<int> forwardToRunningInstance(const CommandLine& command,
                                            QDBusConnection bus = QDBusConnection::sessionBus());

} // namespace qv
