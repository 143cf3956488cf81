// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClipList.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <memory>

namespace qv {

namespace {

std::optional<QString> entryError(const QJsonObject& entry, int index) {
    const auto where = QStringLiteral("clip %1: ").arg(index + 1);
    if (!entry.value(QLatin1String("file")).isString()) {
        return where + QStringLiteral("no \"file\"");
    }
    if (!exerciseKindFromRawText(entry.value(QLatin1String("exercise")).toString())) {
        return where + QStringLiteral("\"exercise\" must be squat or overheadRaise");
    }
    const QJsonValue reps = entry.value(QLatin1String("reps"));
    if (!reps.isDouble() || reps.toDouble() < 0 || reps.toDouble() != reps.toInt()) {
        return where + QStringLiteral("\"reps\" must be a whole number from 0");
    }
    return std::nullopt;
}

QString timesText(const std::vector<double>& times) {
    QStringList parts;
    for (double t : times) {
        parts << QString::number(t, 'f', 2);
    }
    return parts.join(QLatin1Char(' '));
}

// Reads one child's --json answer.
void takeAnswer(ClipOutcome& outcome, QProcess& process) {
    const QJsonDocument answer = QJsonDocument::fromJson(process.readAllStandardOutput());
    const QJsonObject object = answer.object();
    if (!object.value(QLatin1String("failure")).isNull() &&
        object.value(QLatin1String("failure")).isString()) {
        outcome.failure = object.value(QLatin1String("failure")).toString();
    } else if (process.exitStatus() != QProcess::NormalExit || !answer.isObject()) {
        const QString detail = QString::fromUtf8(process.readAllStandardError()).trimmed();
        outcome.failure = detail.isEmpty() ? QStringLiteral("the count did not finish") : detail;
    }
    outcome.counted = object.value(QLatin1String("repetitions")).toInt();
    outcome.analysedFrames = object.value(QLatin1String("analysedFrames")).toInt();
    for (const QJsonValue t : object.value(QLatin1String("repetitionTimes")).toArray()) {
        outcome.repetitionTimes.push_back(t.toDouble());
    }
}

} // namespace

Result<std::vector<ClipEntry>> readClipList(const QString& listPath) {
    QFile file(listPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return Failure{QStringLiteral("cannot open %1: %2").arg(listPath, file.errorString())};
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    const QJsonValue list = document.object().value(QLatin1String("clips"));
    if (parseError.error != QJsonParseError::NoError || !list.isArray()) {
        return Failure{
            QStringLiteral("%1 is not a clip list (an object with \"clips\")").arg(listPath)};
    }
    std::vector<ClipEntry> clips;
    const QDir base = QFileInfo(listPath).absoluteDir();
    const QJsonArray entries = list.toArray();
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonObject entry = entries.at(i).toObject();
        if (const auto error = entryError(entry, i)) {
            return Failure{*error};
        }
        ClipEntry clip;
        clip.file = entry.value(QLatin1String("file")).toString();
        clip.path = base.filePath(clip.file);
        clip.exercise = *exerciseKindFromRawText(entry.value(QLatin1String("exercise")).toString());
        clip.repetitions = entry.value(QLatin1String("reps")).toInt();
        clips.push_back(clip);
    }
    return clips;
}

ClipSummary summarize(const std::vector<ClipOutcome>& outcomes) {
    ClipSummary summary;
    for (const ClipOutcome& o : outcomes) {
        if (o.failure) {
            ++summary.failed;
        } else if (o.counted == o.clip.repetitions) {
            ++summary.exact;
        } else if (o.counted > o.clip.repetitions) {
            ++summary.overCounted;
        } else {
            ++summary.missed;
        }
    }
    return summary;
}

QByteArray clipTableText(const std::vector<ClipOutcome>& outcomes) {
    QString text = QStringLiteral("%1 %2 %3 %4  %5\n")
                       .arg(QStringLiteral("clip"), -36)
                       .arg(QStringLiteral("exercise"), -14)
                       .arg(QStringLiteral("true"), 5)
                       .arg(QStringLiteral("counted"), 7)
                       .arg(QStringLiteral("repetition times (s)"));
    for (const ClipOutcome& o : outcomes) {
        const QString times =
            o.failure ? QStringLiteral("failed: ") + *o.failure : timesText(o.repetitionTimes);
        text += QStringLiteral("%1 %2 %3 %4  %5\n")
                    .arg(o.clip.file, -36)
                    .arg(rawText(o.clip.exercise), -14)
                    .arg(o.clip.repetitions, 5)
                    .arg(o.counted, 7)
                    .arg(times);
    }
    const ClipSummary s = summarize(outcomes);
    text += QStringLiteral("exact %1/%2, over-counted %3, missed %4")
                .arg(s.exact)
                .arg(outcomes.size())
                .arg(s.overCounted)
                .arg(s.missed);
    if (s.failed > 0) {
        text += QStringLiteral(", failed %1").arg(s.failed);
    }
    return (text + QLatin1Char('\n')).toUtf8();
}

QByteArray clipTableJson(const std::vector<ClipOutcome>& outcomes) {
    QJsonArray clips;
    for (const ClipOutcome& o : outcomes) {
        QJsonArray times;
        for (double t : o.repetitionTimes) {
            times.append(t);
        }
        clips.append(QJsonObject{
            {QStringLiteral("file"), o.clip.file},
            {QStringLiteral("exercise"), rawText(o.clip.exercise)},
            {QStringLiteral("reps"), o.clip.repetitions},
            {QStringLiteral("counted"), o.counted},
            {QStringLiteral("repetitionTimes"), times},
            {QStringLiteral("analysedFrames"), o.analysedFrames},
            {QStringLiteral("failure"), o.failure ? QJsonValue(*o.failure) : QJsonValue()}});
    }
    const ClipSummary s = summarize(outcomes);
    const QJsonObject out{{QStringLiteral("clips"), clips},
                          {QStringLiteral("exact"), s.exact},
                          {QStringLiteral("total"), static_cast<int>(outcomes.size())},
                          {QStringLiteral("overCounted"), s.overCounted},
                          {QStringLiteral("missed"), s.missed},
                          {QStringLiteral("failed"), s.failed}};
    return QJsonDocument(out).toJson(QJsonDocument::Indented);
}

std::vector<ClipOutcome> countClips(const std::vector<ClipEntry>& clips, const QString& program,
                                    const QStringList& extraArguments, const QString& posesDir,
                                    int parallel) {
    std::vector<ClipOutcome> outcomes(clips.size());
    std::vector<std::unique_ptr<QProcess>> processes(clips.size());
    QEventLoop loop;
    std::size_t next = 0;
    int running = 0;
    std::function<void()> startMore = [&] {
        while (running < parallel && next < clips.size()) {
            const std::size_t i = next++;
            outcomes[i].clip = clips[i];
            QStringList arguments{clips[i].path, QStringLiteral("--exercise"),
                                  rawText(clips[i].exercise), QStringLiteral("--json")};
            arguments << extraArguments;
            if (!posesDir.isEmpty()) {
                arguments << QStringLiteral("--poses")
                          << QDir(posesDir).filePath(QStringLiteral("%1.%2.jsonl")
                                                         .arg(QFileInfo(clips[i].file).fileName(),
                                                              rawText(clips[i].exercise)));
            }
            auto& process = processes[i];
            process = std::make_unique<QProcess>();
            QObject::connect(process.get(), &QProcess::finished, &loop, [&, i] {
                takeAnswer(outcomes[i], *processes[i]);
                --running;
                startMore();
            });
            QObject::connect(process.get(), &QProcess::errorOccurred, &loop,
                             [&, i](QProcess::ProcessError error) {
                                 if (error == QProcess::FailedToStart) {
                                     outcomes[i].failure = processes[i]->errorString();
                                     --running;
                                     startMore();
                                 }
                             });
            ++running;
            process->start(program, arguments);
        }
        if (running == 0) {
            loop.quit();
        }
    };
    QMetaObject::invokeMethod(&loop, startMore, Qt::QueuedConnection);
    if (!clips.empty()) {
        loop.exec();
    }
    return outcomes;
}

} // namespace qv
