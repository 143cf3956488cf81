// SPDX-License-Identifier: GPL-3.0-or-later
// Per-frame cost of turning poses into counts: this runs for every analysed camera frame.

#include "core/verification/OverheadRaiseClassifier.h"
#include "core/verification/PoseStream.h"
#include "core/verification/SquatClassifier.h"
#include "core/verification/SubjectTracker.h"

#include <QBuffer>
#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

// One second of a person squatting and raising the arms at 30 frames a second.
std::vector<qv::PoseSnapshot> oneSecondOfMotion(double centerX = 0.5) {
    std::vector<qv::PoseSnapshot> frames;
    for (int i = 0; i < 30; ++i) {
        const double phase = std::sin(i / 30.0 * 6.283185307179586);
        const double hipY = 0.5 - 0.1 * std::abs(phase);
        const double wristY = 0.5 + 0.3 * phase;
        qv::PoseSnapshot s(i / 30.0);
        auto put = [&](qv::Joint j, double x, double y) { s.setJoint(j, {{x, y}, 0.9f}); };
        put(qv::Joint::root, centerX, hipY);
        put(qv::Joint::neck, centerX, hipY + 0.25);
        put(qv::Joint::nose, centerX, hipY + 0.32);
        for (int side = -1; side <= 1; side += 2) {
            const bool left = side < 0;
            const double x = centerX + side * 0.05;
            put(left ? qv::Joint::leftHip : qv::Joint::rightHip, x, hipY);
            put(left ? qv::Joint::leftKnee : qv::Joint::rightKnee, x + 0.05 * std::abs(phase), 0.3);
            put(left ? qv::Joint::leftAnkle : qv::Joint::rightAnkle, x, 0.1);
            put(left ? qv::Joint::leftShoulder : qv::Joint::rightShoulder, x, hipY + 0.25);
            put(left ? qv::Joint::leftElbow : qv::Joint::rightElbow, x + side * 0.1, hipY + 0.25);
            put(left ? qv::Joint::leftWrist : qv::Joint::rightWrist, x + side * 0.1, wristY);
        }
        frames.push_back(s);
    }
    return frames;
}

// One classifier update per camera frame, over a second of squatting motion replayed at 30 fps.
template <typename Classifier> void classifierUpdate(benchmark::State& state) {
    const auto frames = oneSecondOfMotion();
    Classifier classifier;
    double now = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        now += 1.0 / 30;
        benchmark::DoNotOptimize(classifier.update(frames[i], now));
        i = (i + 1) % frames.size();
    }
}
BENCHMARK(classifierUpdate<qv::SquatClassifier>)->Name("squatUpdate");
BENCHMARK(classifierUpdate<qv::OverheadRaiseClassifier>)->Name("overheadRaiseUpdate");

void trackerChooseAmongThree(benchmark::State& state) {
    const auto a = oneSecondOfMotion(0.2);
    const auto b = oneSecondOfMotion(0.5);
    const auto c = oneSecondOfMotion(0.8);
    qv::SubjectTracker tracker;
    double now = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        now += 1.0 / 30;
        const std::vector<qv::PoseSnapshot> people{a[i], b[i], c[i]};
        benchmark::DoNotOptimize(tracker.choose(people, now));
        i = (i + 1) % a.size();
    }
}
BENCHMARK(trackerChooseAmongThree);

void recordOneFrame(benchmark::State& state) {
    const auto frames = oneSecondOfMotion();
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    qv::PoseStreamWriter writer(buffer);
    double now = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        now += 1.0 / 30;
        benchmark::DoNotOptimize(writer.write(now, {frames[i]}));
        i = (i + 1) % frames.size();
        if (data.size() > (1 << 24)) {
            state.PauseTiming();
            buffer.seek(0);
            data.clear();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(recordOneFrame);

void readOneFrame(benchmark::State& state) {
    const auto frames = oneSecondOfMotion();
    QByteArray data;
    {
        QBuffer out(&data);
        out.open(QIODevice::WriteOnly);
        qv::PoseStreamWriter writer(out);
        for (int k = 0; k < 300; ++k) {
            writer.write(k / 30.0, {frames[static_cast<std::size_t>(k) % frames.size()]});
        }
    }
    for (auto _ : state) {
        QBuffer in(&data);
        in.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(qv::readPoseStream(in));
    }
    state.SetItemsProcessed(state.iterations() * 300);
}
BENCHMARK(readOneFrame);

} // namespace

BENCHMARK_MAIN();
