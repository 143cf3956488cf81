// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/verification/PoseReplay.h"

#include <QByteArray>

namespace qv {

// What a replay found, for people (text) or for scripts (one JSON object).
QByteArray replayReportText(ExerciseKind exercise, const PoseReplay::Report& report,
                            const std::vector<PoseStreamIssue>& skipped);
QByteArray replayReportJson(ExerciseKind exercise, const PoseReplay::Report& report,
                            const std::vector<PoseStreamIssue>& skipped);

} // namespace qv
