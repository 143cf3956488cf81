// SPDX-License-Identifier: GPL-3.0-or-later
// quorvantel-count: counts the repetitions in a video with the camera engine of a break.
//
//   quorvantel-count VIDEO --exercise squat|overheadRaise [--target N] [--json] [--events]
//                    [--real-time] [--poses FILE] [--input-size PIXELS] [--analysis-rate FPS]
//   quorvantel-count --clips LIST.json [--json] [--poses FOLDER] [--input-size PIXELS]
//                    [--analysis-rate FPS] [--jobs N]
//
// Prints the count and the time of each repetition (and, with --events, every progress value
// the engine reported); with --clips, a table of every clip of the list against the count
// people agreed on. Writes nothing but what it is asked to: the pose streams with --poses.
#include "ClipList.h"
#include "CountRun.h"
#include "core/camera/CameraCaptureService.h"
#include "tools/common/ToolOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>
#include <cstdio>
#include <unistd.h>

using namespace qv;

namespace {

void printText(const CountResult& result, bool withEvents) {
    if (withEvents) {
        for (const QJsonObject& event : result.events) {
            QStringList fields;
            for (auto it = event.begin(); it != event.end(); ++it) {
                if (it.key() != QLatin1String("t") && it.key() != QLatin1String("event")) {
                    fields << it.key() + '=' + it.value().toVariant().toString();
                }
            }
            std::printf("%8.3f %-17s %s\n", event["t"].toDouble(),
                        qPrintable(event["event"].toString()), qPrintable(fields.join(' ')));
        }
    }
    std::printf("repetitions: %d\n", result.repetitions);
    for (std::size_t i = 0; i < result.repetitionTimes.size(); ++i) {
        std::printf("  %zu at %.2f s\n", i + 1, result.repetitionTimes[i]);
    }
    if (result.isCompleted) {
        std::printf("target reached\n");
    }
    std::printf("analysed frames: %d (up to %.2f s)\n", result.analysedFrames, result.videoSeconds);
}

void printJson(const CountOptions& options, const CountResult& result, bool withEvents) {
    QJsonArray times;
    for (double t : result.repetitionTimes) {
        times.append(t);
    }
    QJsonObject out{{"video", options.videoPath},
                    {"exercise", rawText(options.exercise)},
                    {"repetitions", result.repetitions},
                    {"repetitionTimes", times},
                    {"completed", result.isCompleted},
                    {"analysedFrames", result.analysedFrames},
                    {"videoSeconds", result.videoSeconds},
                    {"failure", result.failure ? QJsonValue(*result.failure) : QJsonValue()}};
    if (options.target) {
        out["target"] = *options.target;
    }
    if (withEvents) {
        QJsonArray events;
        for (const QJsonObject& event : result.events) {
            events.append(event);
        }
        out["events"] = events;
    }
    std::fputs(QJsonDocument(out).toJson(QJsonDocument::Indented).constData(), stdout);
}

std::optional<int> positiveNumber(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 1 ? std::optional(n) : std::nullopt;
}

int countClipList(const QString& listPath, bool isJson, const QString& posesDir,
                  const QStringList& extraArguments, int jobs) {
    const auto list = readClipList(listPath);
    if (!list) {
        std::fprintf(stderr, "quorvantel-count: %s\n", qPrintable(list.error()));
        return 2;
    }
    const auto outcomes =
        countClips(*list, QCoreApplication::applicationFilePath(), extraArguments, posesDir, jobs);
    const QByteArray text = isJson ? clipTableJson(outcomes) : clipTableText(outcomes);
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    return summarize(outcomes).failed > 0 ? 1 : 0;
}

int usage(const QCommandLineParser& parser, const QString& problem) {
    std::fprintf(stderr, "quorvantel-count: %s\n\n%s", qPrintable(problem),
                 qPrintable(parser.helpText()));
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvantel-count"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Counts exercise repetitions in a video the way a break counts them."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("video"),
                                 QStringLiteral("The video file (none with --clips)."));
    const QCommandLineOption exercise(QStringLiteral("exercise"),
                                      QStringLiteral("squat or overheadRaise."),
                                      QStringLiteral("kind"));
    const QCommandLineOption target(QStringLiteral("target"),
                                    QStringLiteral("Stop once this many are counted."),
                                    QStringLiteral("N"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print JSON."));
    const QCommandLineOption events(QStringLiteral("events"),
                                    QStringLiteral("Print every progress value reported."));
    const QCommandLineOption realTime(
        QStringLiteral("real-time"),
        QStringLiteral("Play the video at its own speed, as a camera would deliver it."));
    const QCommandLineOption poses(
        QStringLiteral("poses"),
        QStringLiteral("Record the poses seen to this file (with --clips: in this folder)."),
        QStringLiteral("file"));
    const QCommandLineOption inputSize(QStringLiteral("input-size"),
                                       QStringLiteral("Side of the pose model's input."),
                                       QStringLiteral("pixels"));
    const QCommandLineOption analysisRate(
        QStringLiteral("analysis-rate"),
        QStringLiteral("Frames analysed a second at most (default: a break's own, %1).")
            .arg(CameraCaptureService::defaultAnalysisRate),
        QStringLiteral("fps"));
    const QCommandLineOption clips(
        QStringLiteral("clips"),
        QStringLiteral("Count every clip of a list in the format of the test data's clips.json "
                       "(paths relative to the list) and compare with its true count."),
        QStringLiteral("list"));
    const QCommandLineOption jobs(QStringLiteral("jobs"),
                                  QStringLiteral("Clips counted at once (default: one a core)."),
                                  QStringLiteral("N"));
    parser.addOptions(
        {exercise, target, json, events, realTime, poses, inputSize, analysisRate, clips, jobs});
    parser.process(app);

    std::optional<int> size;
    if (parser.isSet(inputSize)) {
        size = positiveNumber(parser.value(inputSize));
        if (!size || *size % 32 != 0) {
            return usage(parser, QStringLiteral("--input-size must be a multiple of 32"));
        }
    }
    std::optional<double> rate;
    if (parser.isSet(analysisRate)) {
        const auto read = tools::numberOption(QStringLiteral("--analysis-rate"),
                                              parser.value(analysisRate), 1, 60);
        if (!read) {
            return usage(parser, read.error());
        }
        rate = *read;
    }
    if (parser.isSet(clips)) {
        if (!parser.positionalArguments().isEmpty()) {
            return usage(parser, QStringLiteral("give no video with --clips"));
        }
        const auto jobCount =
            parser.isSet(jobs) ? positiveNumber(parser.value(jobs)) : QThread::idealThreadCount();
        if (!jobCount) {
            return usage(parser, QStringLiteral("--jobs must be a whole number from 1"));
        }
        QStringList extra;
        if (size) {
            extra << QStringLiteral("--input-size") << QString::number(*size);
        }
        if (rate) {
            extra << QStringLiteral("--analysis-rate") << QString::number(*rate);
        }
        return countClipList(parser.value(clips), parser.isSet(json), parser.value(poses), extra,
                             std::max(1, *jobCount));
    }

    CountOptions options;
    options.inputSize = size;
    options.analysisRate = rate;
    if (parser.positionalArguments().size() != 1) {
        return usage(parser, QStringLiteral("give exactly one video file"));
    }
    options.videoPath = parser.positionalArguments().constFirst();
    const auto kind = exerciseKindFromRawText(parser.value(exercise));
    if (!kind) {
        return usage(parser, QStringLiteral("--exercise must be squat or overheadRaise"));
    }
    options.exercise = *kind;
    if (parser.isSet(target)) {
        options.target = positiveNumber(parser.value(target));
        if (!options.target) {
            return usage(parser, QStringLiteral("--target must be a whole number from 1"));
        }
    }
    options.isRealTime = parser.isSet(realTime);
    options.posesPath = parser.value(poses);

    const bool showProgress = isatty(STDERR_FILENO) != 0;
    const CountResult result = runCount(options, [&](double seconds, int repetitions) {
        if (showProgress) {
            std::fprintf(stderr, "\r%7.2f s  %d counted ", seconds, repetitions);
        }
    });
    if (showProgress) {
        std::fputs("\n", stderr);
    }
    if (parser.isSet(json)) {
        printJson(options, result, parser.isSet(events));
    } else {
        printText(result, parser.isSet(events));
    }
    if (result.failure) {
        std::fprintf(stderr, "quorvantel-count: %s\n", qPrintable(*result.failure));
        return 1;
    }
    return 0;
}
