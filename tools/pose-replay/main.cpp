// SPDX-License-Identifier: GPL-3.0-or-later
// Replays a recorded pose stream through a repetition classifier and tells what was counted.

#include "LandmarkCsv.h"
#include "ReplayOutput.h"
#include "tools/common/ToolOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <cstdio>

namespace {

void print(FILE* stream, const QByteArray& text) {
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stream);
}

int fail(const QString& message, int code) {
    print(stderr, (message + QLatin1Char('\n')).toUtf8());
    return code;
}

qv::PoseStreamContents readInput(const QString& path, bool isLandmarks, double fps,
                                 bool skipBadFrames) {
    QFile file;
    const bool isOpen = path == QLatin1String("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!isOpen) {
        qv::PoseStreamContents contents;
        contents.error =
            qv::PoseStreamIssue{0, QStringLiteral("cannot open: %1").arg(file.errorString())};
        return contents;
    }
    return isLandmarks ? qv::readLandmarks33Csv(file, fps)
                       : qv::readPoseStream(file, skipBadFrames);
}

bool writeStream(const QString& path, const std::vector<qv::PoseFrame>& frames) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    qv::PoseStreamWriter writer(file);
    for (const qv::PoseFrame& frame : frames) {
        if (!writer.write(frame)) {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvantel-pose-replay"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Replays a recorded pose stream (JSON Lines) through a repetition "
                       "classifier and prints the count, the time of each repetition and the "
                       "changes of the instruction shown to the user."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The recorded stream, or - for standard input."));
    const QCommandLineOption exercise(QStringLiteral("exercise"),
                                      QStringLiteral("squat or overheadRaise (default squat)."),
                                      QStringLiteral("kind"), QStringLiteral("squat"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print one JSON object instead of text."));
    const QCommandLineOption skip(QStringLiteral("skip-bad-frames"),
                                  QStringLiteral("Skip unreadable frames (listed in the output) "
                                                 "instead of stopping at the first."));
    const QCommandLineOption landmarks(
        QStringLiteral("landmarks33-csv"),
        QStringLiteral("The file is a 33-point landmark table (y down), not a pose stream."));
    const QCommandLineOption fps(QStringLiteral("fps"),
                                 QStringLiteral("Frame rate of a landmark table (default 30)."),
                                 QStringLiteral("rate"), QStringLiteral("30"));
    const QCommandLineOption save(QStringLiteral("save-stream"),
                                  QStringLiteral("Also write the frames read as a pose stream."),
                                  QStringLiteral("file"));
    parser.addOptions({exercise, json, skip, landmarks, fps, save});
    parser.process(app);

    const auto kind = qv::exerciseKindFromRawText(parser.value(exercise));
    if (!kind) {
        return fail(QStringLiteral("unknown exercise \"%1\": use squat or overheadRaise")
                        .arg(parser.value(exercise)),
                    2);
    }
    const auto rate =
        qv::tools::numberOption(QStringLiteral("--fps"), parser.value(fps), 0.1, 1000);
    if (!rate) {
        return fail(rate.error(), 2);
    }
    if (parser.positionalArguments().size() != 1) {
        return fail(QStringLiteral("give exactly one file (see --help)"), 2);
    }
    const QString path = parser.positionalArguments().constFirst();
    const auto contents = readInput(path, parser.isSet(landmarks), *rate, parser.isSet(skip));
    if (contents.error) {
        return fail(QStringLiteral("%1: %2").arg(path, contents.error->text()), 1);
    }
    if (parser.isSet(save) && !writeStream(parser.value(save), contents.frames)) {
        return fail(QStringLiteral("cannot write %1").arg(parser.value(save)), 1);
    }
    const auto report = qv::replayFrames(*kind, contents.frames);
    print(stdout, parser.isSet(json) ? qv::replayReportJson(*kind, report, contents.skipped)
                                     : qv::replayReportText(*kind, report, contents.skipped));
    return 0;
}
