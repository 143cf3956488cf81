// SPDX-License-Identifier: GPL-3.0-or-later
// The pose engine's costs on this machine: one inference of the multi-person model (trunk and
// decoding) for the input sizes and thread counts a camera run may use, one whole detect()
// on a camera-sized frame (letterbox included), one whole track() of a crop with the
// single-person model, loading the models, and the memory loaded models add. Skips with a message
// when the model has not been fetched.
//
// With two threads every operator ends in a barrier, so when other processes keep both
// cores busy the figures measure the scheduler more than the engine (seconds per frame at a
// load average of 8 on two cores). For the engine's own cost run it alone, or for a short
// run above the other work: chrt -f 5 pose_engine_bench --benchmark_filter=inference
#include "pose/Letterbox.h"
#include "pose/MoveNetPoseDetector.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <random>

namespace {

std::unique_ptr<qv::MoveNetPoseDetector> loadModel(benchmark::State& state, int size, int threads) {
    qv::PoseEngineSettings settings;
    settings.inputSize = size;
    settings.threadCount = threads;
    auto detector = qv::MoveNetPoseDetector::load(settings);
    if (!detector) {
        state.SkipWithError(detector.error().toStdString().c_str());
        return nullptr;
    }
    return std::move(*detector);
}

// A frame with texture everywhere, so that no step can take a shortcut over flat areas.
qv::Image noiseFrame(int width, int height) {
    qv::Image image(width, height);
    std::mt19937 generator(7);
    for (auto& byte : image.rgb()) {
        byte = static_cast<char>(generator() & 0xff);
    }
    return image;
}

void inference(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const auto detector = loadModel(state, size, static_cast<int>(state.range(1)));
    if (!detector) {
        return;
    }
    const qv::Image frame = noiseFrame(640, 480);
    std::vector<float> input(static_cast<std::size_t>(size) * size * 3);
    qv::pose::fillLetterbox(frame, qv::pose::fitLetterbox(640, 480, size), input.data());
    for (auto _ : state) {
        benchmark::DoNotOptimize(detector->infer(input.data()));
    }
}
BENCHMARK(inference)
    ->ArgNames({"size", "threads"})
    ->Args({256, 2})
    ->Args({256, 1})
    ->Args({192, 2})
    ->Args({192, 1})
    ->Args({160, 1})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime() // all threads: what a camera run costs the machine
    ->UseRealTime()
    ->MinTime(2.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// What the capture queue calls per analysed frame: letterbox a 1280×720 frame, infer, map
// the people back.
void detectCameraFrame(benchmark::State& state) {
    const auto detector = loadModel(state, static_cast<int>(state.range(0)), 2);
    if (!detector) {
        return;
    }
    const qv::Image frame = noiseFrame(1280, 720);
    for (auto _ : state) {
        benchmark::DoNotOptimize(detector->detect(frame));
    }
}
BENCHMARK(detectCameraFrame)
    ->ArgName("size")
    ->Arg(192)
    ->Arg(256)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->MinTime(2.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// What a followed frame costs on the capture queue instead: sample the crop around the
// person from a 1280×720 frame, run the single-person model on it, map the keypoints back.
// Against detectCameraFrame at 192, this is the saving of following over searching.
void followCameraFrame(benchmark::State& state) {
    const auto detector = loadModel(state, 192, static_cast<int>(state.range(0)));
    if (!detector) {
        return;
    }
    const qv::Image frame = noiseFrame(1280, 720);
    const qv::CropSquare crop{640, 360, 600};
    for (auto _ : state) {
        benchmark::DoNotOptimize(detector->track(frame, crop));
    }
}
BENCHMARK(followCameraFrame)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->MinTime(2.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The C++ decoding alone at 256 (a 64 × 64 grid), in its worst case: six people whose boxes
// each cover the whole picture, so every keypoint searches every cell.
void decodeWorstCase(benchmark::State& state) {
    constexpr std::size_t grid = 64;
    std::mt19937 generator(3);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    const auto values = [&](std::size_t count, float scale) {
        std::vector<float> v(count);
        for (auto& value : v) {
            value = unit(generator) * scale;
        }
        return v;
    };
    const auto centre = values(grid * grid, 1.0f);
    const auto heatmap = values(grid * grid * 17, 1.0f);
    const auto regression = values(grid * grid * 34, 8.0f);
    const auto offset = values(grid * grid * 34, 1.0f);
    const auto boxScale = std::vector<float>(grid * grid * 2, 200.0f);
    const auto boxOffset = values(grid * grid * 2, 1.0f);
    const qv::pose::HeadTensors heads{grid,
                                      grid,
                                      centre.data(),
                                      heatmap.data(),
                                      regression.data(),
                                      offset.data(),
                                      boxScale.data(),
                                      boxOffset.data()};
    for (auto _ : state) {
        benchmark::DoNotOptimize(qv::pose::decodeMultiPose(heads, 256, 256));
    }
}
BENCHMARK(decodeWorstCase)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void loadAndRelease(benchmark::State& state) {
    for (auto _ : state) {
        const auto detector = loadModel(state, 256, 2);
        benchmark::DoNotOptimize(detector.get());
    }
}
BENCHMARK(loadAndRelease)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

double statusMegabytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(static_cast<qsizetype>(qstrlen(field)))
                       .trimmed()
                       .split(' ')[0]
                       .toDouble() /
                   1024.0;
        }
    }
    return 0;
}

// Resident memory a camera run adds: the loaded model after 30 frames, the peak, and what
// stays after it is released. Runs first in its own process for a clean peak:
//   pose_engine_bench --benchmark_filter=residentMemory
void residentMemory(benchmark::State& state) {
    const double before = statusMegabytes("VmRSS:");
    double loaded = 0;
    double afterRelease = 0;
    double afterFiveRuns = 0;
    for (auto _ : state) {
        {
            const auto detector = loadModel(state, 256, 2);
            if (!detector) {
                return;
            }
            const qv::Image frame = noiseFrame(1280, 720);
            for (int i = 0; i < 30; ++i) {
                benchmark::DoNotOptimize(detector->detect(frame));
            }
            loaded = statusMegabytes("VmRSS:");
        }
        afterRelease = statusMegabytes("VmRSS:");
        for (int run = 0; run < 5; ++run) {
            benchmark::DoNotOptimize(loadModel(state, 256, 2)->detect(noiseFrame(64, 48)));
        }
        afterFiveRuns = statusMegabytes("VmRSS:");
    }
    state.counters["rss_before_MB"] = before;
    state.counters["added_while_loaded_MB"] = loaded - before;
    state.counters["peak_added_MB"] = statusMegabytes("VmHWM:") - before;
    state.counters["left_after_release_MB"] = afterRelease - before;
    state.counters["left_after_5_more_runs_MB"] = afterFiveRuns - before;
}
BENCHMARK(residentMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
