// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReplayOutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace qv {

namespace {

QString seconds(double value) {
    return QString::number(value, 'f', 3);
}

} // namespace

QByteArray replayReportText(ExerciseKind exercise, const PoseReplay::Report& report,
                            const std::vector<PoseStreamIssue>& skipped) {
    QString out;
    out += QStringLiteral("exercise: %1\n").arg(rawText(exercise));
    out += QStringLiteral("frames: %1 (%2 with a pose)\n")
               .arg(report.frames)
               .arg(report.framesWithPose);
    for (const PoseStreamIssue& issue : skipped) {
        out += QStringLiteral("skipped %1\n").arg(issue.text());
    }
    out += QStringLiteral("repetitions: %1\n").arg(report.repetitions());
    for (std::size_t i = 0; i < report.repetitionTimes.size(); ++i) {
        out += QStringLiteral("  %1 at %2 s\n").arg(i + 1).arg(seconds(report.repetitionTimes[i]));
    }
    out += QStringLiteral("feedback:\n");
    for (const auto& change : report.feedbackChanges) {
        out += QStringLiteral("  %1 s  %2\n").arg(seconds(change.at), change.feedback);
    }
    return out.toUtf8();
}

QByteArray replayReportJson(ExerciseKind exercise, const PoseReplay::Report& report,
                            const std::vector<PoseStreamIssue>& skipped) {
    QJsonArray times;
    for (double t : report.repetitionTimes) {
        times.append(t);
    }
    QJsonArray changes;
    for (const auto& change : report.feedbackChanges) {
        changes.append(QJsonObject{{"t", change.at}, {"feedback", change.feedback}});
    }
    QJsonArray skippedLines;
    for (const PoseStreamIssue& issue : skipped) {
        skippedLines.append(QJsonObject{{"line", issue.line}, {"message", issue.message}});
    }
    const QJsonObject root{{"exercise", rawText(exercise)},
                           {"frames", report.frames},
                           {"framesWithPose", report.framesWithPose},
                           {"repetitions", report.repetitions()},
                           {"repetitionTimes", times},
                           {"feedbackChanges", changes},
                           {"skipped", skippedLines}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace qv
