// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"
#include "core/verification/ExerciseKind.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace qv {

// One entry of a clip list (the format of the test data's clips.json): a video, the exercise
// to count in it and the count people agreed on.
struct ClipEntry {
    QString file; // as listed, relative to the list
    QString path; // resolved
    ExerciseKind exercise = ExerciseKind::squat;
    int repetitions = 0;
};

// The clips of a list, or why the list cannot be used (naming the entry at fault).
Result<std::vector<ClipEntry>> readClipList(const QString& listPath);

struct ClipOutcome {
    ClipEntry clip;
    int counted = 0;
    std::vector<double> repetitionTimes;
    int analysedFrames = 0; // shows what a run at another analysis rate or input size looked at
    std::optional<QString> failure;
};

struct ClipSummary {
    int exact = 0;
    int overCounted = 0;
    int missed = 0;
    int failed = 0;
};

ClipSummary summarize(const std::vector<ClipOutcome>& outcomes);
QByteArray clipTableText(const std::vector<ClipOutcome>& outcomes);
QByteArray clipTableJson(const std::vector<ClipOutcome>& outcomes);

// Counts every clip with `program` (this tool, run once per clip with the given extra
// arguments and --json), at most `parallel` at a time; the outcomes keep the list's order.
// posesDir, when not empty, receives one pose stream per clip.
std::vector<ClipOutcome> countClips(const std::vector<ClipEntry>& clips, const QString& program,
                                    const QStringList& extraArguments, const QString& posesDir,
                                    int parallel);

} // namespace qv
