// SPDX-License-Identifier: GPL-3.0-or-later
// The camera pipeline on real video: one analysed frame end to end, its parts, and a whole
// camera run's processor share and resident memory.
//
// Needs the clips (QV_TESTDATA_DIR, default ../shared/testdata) and the pose model.
#include "core/camera/CameraCaptureService.h"
#include "core/camera/CameraExerciseProvider.h"
#include "core/camera/FrameAnalysis.h"
#include "core/media/ImageScaling.h"
#include "core/media/PixelConversion.h"
#include "core/time/EventLoopTimeSource.h"
#include "platform/common/StillImageSource.h"
#include "platform/common/VideoFileSource.h"
#include "pose/Letterbox.h"
#include "pose/MoveNetPoseDetector.h"
#include "tools/count/CountRun.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <condition_variable>
#include <cstring>
#include <ctime>
#include <mutex>

using namespace qv;

namespace {

QString clipPath(const char* name) {
    QString dir = qEnvironmentVariable("QV_TESTDATA_DIR");
    if (dir.isEmpty()) {
        dir = QStringLiteral(QV_TESTDATA_DEFAULT);
    }
    return dir + QStringLiteral("/real/") + QLatin1String(name);
}

// The first frames of a clip, decoded once.
std::vector<Image> decodedFrames(const char* name, std::size_t count) {
    std::vector<Image> frames;
    std::mutex mutex;
    std::condition_variable done;
    bool isFinished = false;
    VideoFileOptions options;
    options.pace = VideoFileOptions::Pace::asConsumed;
    options.onFinished = [&] {
        std::lock_guard lock(mutex);
        isFinished = true;
        done.notify_all();
    };
    VideoFileSource source(clipPath(name), options);
    FrameSourceCallbacks callbacks;
    callbacks.onFrame = [&](Frame frame) {
        std::lock_guard lock(mutex);
        if (frames.size() < count) {
            frames.push_back(*frame.picture());
        }
        if (frames.size() == count) {
            isFinished = true;
            done.notify_all();
        }
    };
    if (!source.start(callbacks)) {
        return {};
    }
    std::unique_lock lock(mutex);
    done.wait(lock, [&] { return isFinished; });
    lock.unlock();
    source.stop();
    return frames;
}

// The picture as a webcam would deliver it: limited-range BT.601.
struct Yuv {
    std::uint8_t y, u, v;
};
Yuv yuvOf(const std::uint8_t* c) {
    return {static_cast<std::uint8_t>(16 + (66 * c[0] + 129 * c[1] + 25 * c[2]) / 256),
            static_cast<std::uint8_t>(128 + (-38 * c[0] - 74 * c[1] + 112 * c[2]) / 256),
            static_cast<std::uint8_t>(128 + (112 * c[0] - 94 * c[1] - 18 * c[2]) / 256)};
}

// Packed 4:2:2 (what a webcam sends uncompressed), chroma from the left pixel of each pair.
std::vector<std::uint8_t> toYuyv(const Image& image) {
    std::vector<std::uint8_t> out;
    for (int y = 0; y < image.height(); ++y) {
        const std::uint8_t* p = image.row(y);
        for (int x = 0; x + 1 < image.width(); x += 2, p += 6) {
            const Yuv a = yuvOf(p);
            out.insert(out.end(), {a.y, a.u, yuvOf(p + 3).y, a.v});
        }
    }
    return out;
}

// Planar 4:2:0 (what a decoded MJPEG or H.264 frame is), chroma from each block's top left.
std::vector<std::uint8_t> toI420(const Image& image) {
    const int w = image.width();
    const int h = image.height();
    std::vector<std::uint8_t> out(static_cast<std::size_t>(w * h + 2 * (w / 2) * (h / 2)));
    std::uint8_t* u = out.data() + w * h;
    std::uint8_t* v = u + (w / 2) * (h / 2);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Yuv c = yuvOf(image.row(y) + x * 3);
            out[static_cast<std::size_t>(y * w + x)] = c.y;
            if (x % 2 == 0 && y % 2 == 0 && x / 2 < w / 2 && y / 2 < h / 2) {
                u[(y / 2) * (w / 2) + x / 2] = c.u;
                v[(y / 2) * (w / 2) + x / 2] = c.v;
            }
        }
    }
    return out;
}

Image scaledTo(const Image& image, int width, int height) {
    QImage in(reinterpret_cast<const uchar*>(image.rgb().constData()), image.width(),
              image.height(), image.width() * 3, QImage::Format_RGB888);
    const QImage out = in.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_RGB888);
    Image result(width, height);
    for (int y = 0; y < height; ++y) {
        std::memcpy(result.row(y), out.constScanLine(y), static_cast<std::size_t>(width) * 3);
    }
    return result;
}

QByteArray toJpeg(const Image& image) {
    const QImage view(image.row(0), image.width(), image.height(), image.width() * 3,
                      QImage::Format_RGB888);
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    view.save(&out, "JPEG", 85);
    return bytes;
}

// Frames of a clip as a 1280×720 webcam would deliver them.
struct CameraFrames {
    static constexpr int width = 1280;
    static constexpr int height = 720;
    std::vector<Image> rgb;
    std::vector<std::vector<std::uint8_t>> yuyv;
    std::vector<std::vector<std::uint8_t>> i420;
    std::vector<QByteArray> jpeg; // at a webcam's usual quality

    PixelBuffer buffer(std::size_t i) const { return yuyvBuffer(i); }

    PixelBuffer jpegBuffer(std::size_t i) const {
        PixelBuffer b;
        b.layout = PixelLayout::mjpeg;
        b.width = width;
        b.height = height;
        const QByteArray& bytes = jpeg[i % jpeg.size()];
        b.planes[0] = {reinterpret_cast<const std::uint8_t*>(bytes.constData()), 0, bytes.size()};
        return b;
    }

    PixelBuffer yuyvBuffer(std::size_t i) const {
        PixelBuffer b;
        b.layout = PixelLayout::yuyv;
        b.width = width;
        b.height = height;
        const auto& bytes = yuyv[i % yuyv.size()];
        b.planes[0] = {bytes.data(), width * 2, static_cast<qsizetype>(bytes.size())};
        return b;
    }

    PixelBuffer i420Buffer(std::size_t i) const {
        PixelBuffer b;
        b.layout = PixelLayout::i420;
        b.width = width;
        b.height = height;
        const std::uint8_t* y = i420[i % i420.size()].data();
        const qsizetype chroma = (width / 2) * (height / 2);
        b.planes[0] = {y, width, width * height};
        b.planes[1] = {y + width * height, width / 2, chroma};
        b.planes[2] = {y + width * height + chroma, width / 2, chroma};
        return b;
    }
};

const CameraFrames& cameraFrames() {
    static const CameraFrames frames = [] {
        CameraFrames out;
        for (const Image& image : decodedFrames("squat-side-3.mp4", 90)) {
            out.rgb.push_back(scaledTo(image, CameraFrames::width, CameraFrames::height));
            out.yuyv.push_back(toYuyv(out.rgb.back()));
            out.i420.push_back(toI420(out.rgb.back()));
            out.jpeg.push_back(toJpeg(out.rgb.back()));
        }
        return out;
    }();
    return frames;
}

// The longer side of the camera card's preview on a common screen.
constexpr int cardPreviewSide = 480;

void reportMissing(benchmark::State& state) {
    state.SkipWithError("clips or pose model not found");
}

// Conversion from the camera's layout, inference, decoding the model's answer, choosing the
// person, and the preview: what the capture thread does for each analysed frame.
void BM_AnalysedFrameEndToEnd(benchmark::State& state) {
    const CameraFrames& frames = cameraFrames();
    PoseEngineSettings settings;
    settings.threadCount = static_cast<int>(state.range(0));
    auto detector = MoveNetPoseDetector::load(settings);
    if (frames.yuyv.empty() || !detector) {
        return reportMissing(state);
    }
    SubjectTracker tracker;
    SubjectFollower follower;
    std::size_t i = 0;
    for (auto _ : state) {
        Result<Image> picture = convertToRgb(frames.buffer(i));
        AnalysedFrame analysed =
            FrameAnalysis::analyse(std::move(*picture), 1, true, static_cast<double>(i) / 15,
                                   cardPreviewSide, **detector, tracker, follower);
        benchmark::DoNotOptimize(analysed);
        ++i;
    }
    state.counters["width"] = frames.width;
    state.counters["height"] = frames.height;
}
BENCHMARK(BM_AnalysedFrameEndToEnd)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Repetitions(1)
    ->Iterations(200);

void BM_Convert720pFrame(benchmark::State& state) {
    const CameraFrames& frames = cameraFrames();
    if (frames.yuyv.empty()) {
        return reportMissing(state);
    }
    const auto layout = static_cast<int>(state.range(0));
    const auto shrink = static_cast<int>(state.range(1));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(convertToRgb(layout == 0   ? frames.yuyvBuffer(i)
                                              : layout == 1 ? frames.i420Buffer(i)
                                                            : frames.jpegBuffer(i),
                                              shrink));
        ++i;
    }
    state.SetLabel(layout == 0 ? "YUYV" : layout == 1 ? "I420" : "MJPEG, decoded");
}
// Whole, and halved as a break converts a 720p frame for a person of ordinary size.
BENCHMARK(BM_Convert720pFrame)
    ->ArgNames({"layout", "shrink"})
    ->ArgsProduct({{0, 1, 2}, {1, 2}})
    ->Unit(benchmark::kMillisecond);

void BM_Mirror720pFrame(benchmark::State& state) {
    Image image(1280, 720);
    for (auto _ : state) {
        mirrorHorizontally(image);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_Mirror720pFrame)->Unit(benchmark::kMillisecond);

// The preview of one frame with its longer side at most the argument: 960 is what every
// frame got before previews were sized to the view, 480 is a camera card on a common screen.
void BM_PreviewOf720pFrame(benchmark::State& state) {
    const CameraFrames& frames = cameraFrames();
    if (frames.rgb.empty()) {
        return reportMissing(state);
    }
    const int side = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(scaledToFit(frames.rgb.front(), side));
    }
}
BENCHMARK(BM_PreviewOf720pFrame)
    ->ArgName("side")
    ->Arg(960)
    ->Arg(480)
    ->Unit(benchmark::kMillisecond);

void BM_PreviewOfFullHdFrame(benchmark::State& state) {
    Image image(1920, 1080);
    for (auto _ : state) {
        benchmark::DoNotOptimize(scaledToFit(image, 960));
    }
}
BENCHMARK(BM_PreviewOfFullHdFrame)->Unit(benchmark::kMillisecond);

void BM_LetterboxOf720pFrame(benchmark::State& state) {
    const CameraFrames& frames = cameraFrames();
    if (frames.rgb.empty()) {
        return reportMissing(state);
    }
    const PoseEngineSettings settings;
    const pose::Letterbox box =
        pose::fitLetterbox(CameraFrames::width, CameraFrames::height, settings.inputSize);
    std::vector<float> input(static_cast<std::size_t>(box.side * box.side * 3));
    for (auto _ : state) {
        pose::fillLetterbox(frames.rgb.front(), box, input.data());
        benchmark::DoNotOptimize(input.data());
    }
}
BENCHMARK(BM_LetterboxOf720pFrame)->Unit(benchmark::kMillisecond);

// The model alone on one letterboxed frame, with the camera run's one thread.
void BM_Inference(benchmark::State& state) {
    const CameraFrames& frames = cameraFrames();
    PoseEngineSettings settings;
    settings.threadCount = 1;
    auto detector = MoveNetPoseDetector::load(settings);
    if (frames.rgb.empty() || !detector) {
        return reportMissing(state);
    }
    const pose::Letterbox box =
        pose::fitLetterbox(CameraFrames::width, CameraFrames::height, settings.inputSize);
    std::vector<float> input(static_cast<std::size_t>(box.side * box.side * 3));
    pose::fillLetterbox(frames.rgb.front(), box, input.data());
    for (auto _ : state) {
        benchmark::DoNotOptimize((*detector)->infer(input.data()));
    }
}
BENCHMARK(BM_Inference)->Unit(benchmark::kMillisecond)->MinTime(2.0);

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
        }
    }
    return 0;
}

double processCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// A whole camera run over a 30 frames-per-second clip, every frame decoded (as a camera
// delivers them) and analysed at a break's rate: the processor time per second of video is the
// share of one core a camera run takes; the growth of resident memory is what a run adds.
void BM_CameraRunOnClip(benchmark::State& state) {
    if (!QFile::exists(clipPath("squat-side-3.mp4"))) {
        return reportMissing(state);
    }
    CountOptions options;
    options.videoPath = clipPath("squat-side-3.mp4");
    for (auto _ : state) {
        const long before = residentKilobytes();
        long peak = before;
        const double cpuBefore = processCpuSeconds();
        const CountResult result =
            runCount(options, [&](double, int) { peak = std::max(peak, residentKilobytes()); });
        const double cpu = processCpuSeconds() - cpuBefore;
        if (result.failure || result.videoSeconds <= 0) {
            return state.SkipWithError("the run failed");
        }
        state.counters["coreShare"] = cpu / result.videoSeconds;
        state.counters["addedResidentMB"] = static_cast<double>(peak - before) / 1024;
        state.counters["analysedPerVideoSecond"] = result.analysedFrames / result.videoSeconds;
    }
}
BENCHMARK(BM_CameraRunOnClip)->Unit(benchmark::kSecond)->Iterations(1);

// One picture of a person filmed as a 30 frames-per-second camera would deliver it.
class StillPictureCamera final : public CameraBackend {
public:
    StillPictureCamera(QString path, std::function<double()> clock)
        : path_(std::move(path))
        , clock_(std::move(clock)) {}
    QList<CameraDevice> devices() const override { return {{"still", "Still picture", false}}; }
    Result<std::unique_ptr<FrameSource>> open(const QString&) override {
        return std::unique_ptr<FrameSource>(std::make_unique<StillImageSource>(path_, 30, clock_));
    }
    bool isInUseByAnotherProcess(const QString&) const override { return false; }
    std::shared_ptr<void> watchDevices(DevicesChanged) override { return std::make_shared<int>(0); }

private:
    QString path_;
    std::function<double()> clock_;
};

// A camera run as a break has it, in real time, with frames arriving at 30 a second and no
// video decoding: the processor share of one core and the resident memory it adds.
void BM_CameraRunAt30FramesPerSecond(benchmark::State& state) {
    const int threads = static_cast<int>(state.range(0));
    const std::vector<Image> frames = decodedFrames("squat-side-3.mp4", 46);
    if (frames.size() < 46) {
        return reportMissing(state);
    }
    const Image& person = frames.back();
    QImage picture(person.width(), person.height(), QImage::Format_RGB888);
    for (int y = 0; y < person.height(); ++y) {
        std::memcpy(picture.scanLine(y), person.row(y),
                    static_cast<std::size_t>(person.width()) * 3);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("person.png"));
    picture.save(path);
    constexpr double runSeconds = 10;
    for (auto _ : state) {
        EventLoopTimeSource time;
        StillPictureCamera camera(path, [&time] { return time.monotonicSeconds(); });
        const long before = residentKilobytes();
        long peak = before;
        int analysed = 0;
        const double cpuBefore = processCpuSeconds();
        {
            CameraExerciseProvider provider(
                std::nullopt, ExerciseKind::squat, 100, time,
                [] { return CameraAuthorization::authorized; },
                std::make_unique<CameraCaptureService>(camera, [threads] {
                    PoseEngineSettings settings;
                    settings.threadCount = threads;
                    auto detector = MoveNetPoseDetector::load(settings);
                    if (!detector) {
                        return PoseDetectorLoad{Failure{detector.error()}};
                    }
                    return PoseDetectorLoad{std::move(*detector)};
                }));
            provider.onProgress = [&](const VerificationProgress& p) {
                if (!std::holds_alternative<progress::TrackingFeedback>(p)) {
                    ++analysed;
                    peak = std::max(peak, residentKilobytes());
                }
            };
            provider.start();
            QEventLoop loop;
            QTimer::singleShot(static_cast<int>(runSeconds * 1000), &loop, &QEventLoop::quit);
            loop.exec();
        }
        const double cpu = processCpuSeconds() - cpuBefore;
        state.counters["coreShare"] = cpu / runSeconds;
        state.counters["addedResidentMB"] = static_cast<double>(peak - before) / 1024;
        state.counters["analysedPerSecond"] = analysed / runSeconds;
    }
}
BENCHMARK(BM_CameraRunAt30FramesPerSecond)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // QImage only saves a file here: no GUI needed
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
