// quorvantel-pose-record: runs the pose engine over a video file as the camera pipeline runs
// it over camera frames, and writes every person of every analysed frame as a recorded pose
// stream, which quorvantel-pose-replay can then count.

#include "MoveNetPoseDetector.h"
#include "common/VideoFileSource.h"
#include "verification/DetectedPoseConversion.h"
#include "verification/PoseStream.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <condition_variable>
#include <cstdio>
#include <mutex>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 1;
}

// Decodes the whole file, paced by the analysis, and writes what the detector found.
class Recorder {
public:
    Recorder(qv::PoseDetector& detector, qv::PoseStreamWriter& writer, double fps)
        : detector_(detector)
        , writer_(writer)
        , minimumInterval_(1.0 / fps) {}

    QString run(const QString& path) {
        qv::VideoFileOptions options;
        options.pace = qv::VideoFileOptions::Pace::asConsumed;
        options.onFinished = [this] { finish({}); };
        qv::VideoFileSource source(path, options);
        qv::FrameSourceCallbacks callbacks;
        callbacks.onFrame = [this](qv::Frame frame) { analyse(frame); };
        callbacks.onError = [this](const QString& error) { finish(error); };
        if (QString error = source.start(callbacks); !error.isEmpty()) {
            return error;
        }
        std::unique_lock lock(mutex_);
        finished_.wait(lock, [this] { return isFinished_; });
        lock.unlock();
        source.stop();
        return error_;
    }

    int analysedFrames() const { return analysed_; }

private:
    void analyse(const qv::Frame& frame) {
        // As the camera does: at most `fps` analyses a second, the others dropped.
        if (lastAnalysedAt_ && frame.capturedAt - *lastAnalysedAt_ < minimumInterval_ - 1e-6) {
            return;
        }
        lastAnalysedAt_ = frame.capturedAt;
        const qv::ImageResult picture = frame.picture();
        if (!picture.isValid()) {
            finish(picture.error);
            return;
        }
        std::vector<qv::PoseSnapshot> people;
        for (const qv::DetectedPerson& person : detector_.detect(picture.image)) {
            people.push_back(qv::poseSnapshotFromDetectedPerson(&person, frame.capturedAt));
        }
        if (!writer_.write(frame.capturedAt, people)) {
            finish(QStringLiteral("cannot write the frame at %1 s").arg(frame.capturedAt));
        }
        ++analysed_;
    }

    void finish(const QString& error) {
        std::lock_guard lock(mutex_);
        if (!isFinished_) {
            error_ = error;
            isFinished_ = true;
        }
        finished_.notify_all();
    }

    qv::PoseDetector& detector_;
    qv::PoseStreamWriter& writer_;
    const double minimumInterval_;
    std::optional<double> lastAnalysedAt_;
    int analysed_ = 0;
    std::mutex mutex_;
    std::condition_variable finished_;
    bool isFinished_ = false;
    QString error_;
};

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
    const QCommandLineOption inputSize(QStringLiteral("input-size"),
                                       QStringLiteral("Model input side (default 256)."),
                                       QStringLiteral("pixels"), QStringLiteral("256"));
    parser.addOptions({fps, inputSize});
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
    QString error;
    const auto detector = qv::MoveNetPoseDetector::load(settings, &error);
    if (!detector) {
        return fail(error);
    }
    const QString target = parser.positionalArguments().at(1);
    QFile out;
    const bool isOpen = target == QLatin1String("-")
                            ? out.open(stdout, QIODevice::WriteOnly)
                            : (out.setFileName(target), out.open(QIODevice::WriteOnly));
    if (!isOpen) {
        return fail(QStringLiteral("cannot write %1: %2").arg(target, out.errorString()));
    }
    qv::PoseStreamWriter writer(out);
    Recorder recorder(*detector, writer, rate);
    error = recorder.run(parser.positionalArguments().at(0));
    if (!error.isEmpty()) {
        return fail(error);
    }
    std::fprintf(stderr, "%d frames analysed\n", recorder.analysedFrames());
    return 0;
}
