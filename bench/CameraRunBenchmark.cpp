// SPDX-License-Identifier: GPL-3.0-or-later
// A camera run on a real clip in the camera helper process, as the application runs it, or in
// this process, as the tools do: how long from the run's start to the first pose (the median
// of ROUNDS warm starts, after one cold start), and the processor time of one run of SECONDS,
// this process and its reaped helpers counted together.
//
//   camera_run_bench helper|in-process CLIP [SECONDS] [ROUNDS]
//
// Needs the pose model (QV_MODEL_DIR as configured).
#include "core/camera/CameraCaptureService.h"
#include "core/time/EventLoopTimeSource.h"
#include "platform/common/VideoFileCameraBackend.h"
#include "platform/linux/camerahelper/HelperProcessCameraRun.h"
#include "pose/CameraPoseDetector.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace qv;

namespace {

double processorSeconds() {
    double total = 0;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        total += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                 static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    return total;
}

struct Bench {
    bool inHelper = true;
    QString clip;
    EventLoopTimeSource time;
    std::unique_ptr<VideoFileCameraBackend> cameras;

    std::unique_ptr<CameraRun> makeRun() {
        if (inHelper) {
            return std::make_unique<HelperProcessCameraRun>(
                time, CameraHelperLaunch{QV_CAMERA_HELPER,
                                         {"--model-dir", QV_MODEL_DIR, "--camera-video", clip}});
        }
        if (!cameras) {
            VideoFileOptions options;
            options.pace = VideoFileOptions::Pace::realTime;
            options.clock = [this] { return time.monotonicSeconds(); };
            cameras = std::make_unique<VideoFileCameraBackend>(clip, options);
        }
        return std::make_unique<CameraCaptureService>(*cameras,
                                                      [] { return loadCameraPoseDetector(); });
    }

    // Seconds from start() to the first analysed frame; the run goes on for holdSeconds.
    double run(double holdSeconds) {
        std::unique_ptr<CameraRun> run = makeRun();
        QEventLoop loop;
        QElapsedTimer clock;
        double firstFrameAt = -1;
        CameraRun::Handlers handlers;
        handlers.frame = [&](const PoseSnapshot&, const Image&) {
            if (firstFrameAt < 0) {
                firstFrameAt = static_cast<double>(clock.nsecsElapsed()) / 1e9;
                QTimer::singleShot(static_cast<int>(holdSeconds * 1000), &loop, &QEventLoop::quit);
            }
        };
        handlers.error = [&](const QString& text) {
            std::fprintf(stderr, "camera run failed: %s\n", qPrintable(text));
            loop.quit();
        };
        run->setHandlers(std::move(handlers));
        run->setPreviewSize(320);
        clock.start();
        run->start(std::nullopt, qv::ExerciseKind::squat);
        QTimer::singleShot(120000, &loop, &QEventLoop::quit);
        loop.exec();
        run->stop();
        run.reset();
        // The helper's grace, so that it is reaped and its time counted.
        QTimer::singleShot(1500, &loop, &QEventLoop::quit);
        loop.exec();
        return firstFrameAt;
    }
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: camera_run_bench helper|in-process CLIP [SECONDS] [ROUNDS]\n");
        return 2;
    }
    Bench bench;
    bench.inHelper = QString::fromLocal8Bit(argv[1]) == QStringLiteral("helper");
    bench.clip = QString::fromLocal8Bit(argv[2]);
    const double seconds = argc > 3 ? std::atof(argv[3]) : 15;
    const int rounds = argc > 4 ? std::atoi(argv[4]) : 10;

    std::printf("cold start to first pose: %.3f s\n", bench.run(0));
    std::vector<double> starts;
    for (int i = 0; i < rounds; ++i) {
        starts.push_back(bench.run(0));
    }
    std::sort(starts.begin(), starts.end());
    std::printf("warm start to first pose: median %.3f s (min %.3f, max %.3f, %d runs)\n",
                starts[starts.size() / 2], starts.front(), starts.back(), rounds);

    const double before = processorSeconds();
    QElapsedTimer wall;
    wall.start();
    bench.run(seconds);
    const double used = processorSeconds() - before;
    std::printf("processor time of a %.0f s run: %.2f s (%.1f %% of one core over %.1f s)\n",
                seconds, used, used * 100 / (static_cast<double>(wall.elapsed()) / 1000),
                static_cast<double>(wall.elapsed()) / 1000);
    return 0;
}
