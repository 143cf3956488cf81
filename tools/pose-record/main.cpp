// SPDX-License-Identifier: GPL-3.0-or-later
// quorvantel-pose-record: runs the pose engine over a video file as the camera pipeline runs
// it over camera frames, and writes every person of every analysed frame as a recorded pose
// stream, which quorvantel-pose-replay can then count.

#include "VideoPoseRecorder.h"
#include "pose/MoveNetPoseDetector.h"
#include "tools/common/OutputFile.h"
#include "tools/common/ToolOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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
    const QString video = parser.positionalArguments().at(0);
    const QString target = parser.positionalArguments().at(1);
    const auto rate =
        qv::tools::numberOption(QStringLiteral("--fps"), parser.value(fps), 0.1, 1000);
    const auto side = qv::tools::wholeNumberOption(QStringLiteral("--input-size"),
                                                   parser.value(inputSize), 64, 1024);
    const auto threadCount =
        qv::tools::wholeNumberOption(QStringLiteral("--threads"), parser.value(threads), 1, 1024);
    const qv::Status distinct =
        target == QLatin1String("-")
            ? qv::Status()
            : qv::tools::differentFromInput(QStringLiteral("The stream file"), target, video);
    for (const QString& problem :
         {rate.error(), side.error(), threadCount.error(), distinct.error()}) {
        if (!problem.isEmpty()) {
            return fail(problem);
        }
    }

    qv::PoseEngineSettings settings;
    settings.inputSize = *side;
    settings.threadCount = qv::tools::threadsForThisMachine(*threadCount);
    const auto loaded = qv::MoveNetPoseDetector::load(settings);
    if (!loaded) {
        return fail(loaded.error());
    }
    const auto& detector = *loaded;
    qv::tools::OutputFile out(target);
    if (const qv::Status opened = out.open(); !opened) {
        return fail(opened.error());
    }
    qv::PoseStreamWriter writer(out.device());
    qv::VideoPoseRecorder recorder(*detector, *rate);
    bool writeFailed = false;
    const qv::Status recorded = recorder.run(video, [&](const qv::PoseFrame& frame) {
        const bool written = writer.write(frame);
        writeFailed = !written && out.device().error() != QFileDevice::NoError;
        return written;
    });
    if (writeFailed) {
        return fail(out.abandon().error());
    }
    if (!recorded) {
        (void)out.abandon();
        return fail(recorded.error());
    }
    if (const qv::Status written = out.commit(); !written) {
        return fail(written.error());
    }
    std::fprintf(stderr, "%d frames analysed\n", recorder.analysedFrames());
    return 0;
}
