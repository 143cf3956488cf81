// quorvantel-pose-record: runs the pose engine over a video file as the camera pipeline runs
// it over camera frames, and writes every person of every analysed frame as a recorded pose
// stream, which quorvantel-pose-replay can then count.

#include "VideoPoseRecorder.h"
#include "pose/MoveNetPoseDetector.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvantel-pose-record"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Finds the people in every analysed frame of a video file and writes "
                       "them as a recorded pose stream."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("video"), QStringLiteral("The video file."));
    parser.addPositionalArgument(QStringLiteral("stream"),
                                 QStringLiteral("The pose stream to write, or - for output."));
    const QCommandLineOption fps(QStringLiteral("fps"),
                                 QStringLiteral("Analyses a second at most (default 15)."),
                                 QStringLiteral("rate"), QStringLiteral("15"));
    const int defaultInputSize = qv::PoseEngineSettings{}.inputSize;
    const QCommandLineOption inputSize(
        QStringLiteral("input-size"),
        QStringLiteral("Model input side (default %1, the engine's own).").arg(defaultInputSize),
        QStringLiteral("pixels"), QString::number(defaultInputSize));
    const QCommandLineOption threads(QStringLiteral("threads"),
                                     QStringLiteral("Inference threads (default 1)."),
                                     QStringLiteral("count"), QStringLiteral("1"));
    parser.addOptions({fps, inputSize, threads});
    parser.process(app);
    if (parser.positionalArguments().size() != 2) {
        return fail(QStringLiteral("give a video file and a stream file (see --help)"));
    }
    const double rate = parser.value(fps).toDouble();
    if (!(rate > 0) || rate > 1000) {
        return fail(QStringLiteral("--fps needs a positive frame rate"));
    }

    qv::PoseEngineSettings settings;
    settings.inputSize = parser.value(inputSize).toInt();
    settings.threadCount = std::max(1, parser.value(threads).toInt());
    const auto loaded = qv::MoveNetPoseDetector::load(settings);
    if (!loaded) {
        return fail(loaded.error());
    }
    const auto& detector = *loaded;
    const QString target = parser.positionalArguments().at(1);
    QFile out;
    const bool isOpen = target == QLatin1String("-")
                            ? out.open(stdout, QIODevice::WriteOnly)
                            : (out.setFileName(target), out.open(QIODevice::WriteOnly));
    if (!isOpen) {
        return fail(QStringLiteral("cannot write %1: %2").arg(target, out.errorString()));
    }
    qv::PoseStreamWriter writer(out);
    qv::VideoPoseRecorder recorder(*detector, rate);
    const qv::Status recorded =
        recorder.run(parser.positionalArguments().at(0),
                     [&writer](const qv::PoseFrame& frame) { return writer.write(frame); });
    if (!recorded) {
        return fail(recorded.error());
    }
    std::fprintf(stderr, "%d frames analysed\n", recorder.analysedFrames());
    return 0;
}
