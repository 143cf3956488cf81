// quorvantel-count: counts the repetitions in a video with the camera engine of a break.
//
//   quorvantel-count VIDEO --exercise squat|overheadRaise [--target N] [--json] [--events]
//                    [--real-time] [--poses FILE]
//
// Prints the count and the time of each repetition (and, with --events, every progress value
// the engine reported). Writes nothing but what it is asked to: the pose stream with --poses.
#include "CountRun.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
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
    parser.addPositionalArgument(QStringLiteral("video"), QStringLiteral("The video file."));
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
    const QCommandLineOption poses(QStringLiteral("poses"),
                                   QStringLiteral("Record the poses seen to this file."),
                                   QStringLiteral("file"));
    parser.addOptions({exercise, target, json, events, realTime, poses});
    parser.process(app);

    CountOptions options;
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
        bool ok = false;
        const int n = parser.value(target).toInt(&ok);
        if (!ok || n < 1) {
            return usage(parser, QStringLiteral("--target must be a whole number from 1"));
        }
        options.target = n;
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
