// SPDX-License-Identifier: GPL-3.0-or-later
// One break screen at 1920x1080 in its counting mode, fed a camera preview with a pose 15
// times a second as a break does, on the X server it runs under (private-desktop.sh). Prints
// the scene-graph backend, the GUI thread's and the whole process's share of one core, and the
// resident memory every 30 s.
//
//   private-desktop.sh break_screen_bench [SECONDS=120]
#include "core/time/EventLoopTimeSource.h"
#include "tools/gallery/breakscreen/GalleryStates.h"
#include "ui/breakscreen/OverlayWindow.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QSGRendererInterface>
#include <QTest>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>
#include <cstdio>
#include <ctime>
#include <unistd.h>

Q_IMPORT_QML_PLUGIN(Quorvantel_ThemePlugin)
Q_IMPORT_QML_PLUGIN(Quorvantel_BreakScreenPlugin)

namespace {

double seconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double residentMiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * static_cast<double>(sysconf(_SC_PAGESIZE)) /
                                   (1024.0 * 1024.0)
                             : 0;
}

const char* backendName(QSGRendererInterface::GraphicsApi api) {
    switch (api) {
    case QSGRendererInterface::Software:
        return "software";
    case QSGRendererInterface::OpenGL:
        return "OpenGL (QRhi)";
    default:
        return "other";
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const int runSeconds = argc > 1 ? std::atoi(argv[1]) : 120;
    auto frames = qv::gallery::loadFrames();
    if (!frames) {
        std::fprintf(stderr, "%s\n", qPrintable(frames.error()));
        return 1;
    }
    qv::EventLoopTimeSource time;
    qv::BreakOverlayModel::Initial initial;
    initial.targetRepetitions = 10;
    initial.emergencyEscapesRemaining = 3;
    qv::BreakOverlayModel model(initial, nullptr);
    qv::OverlayWindow window(model, time, false);
    window.setGeometry(0, 0, 1920, 1080);
    window.showFullScreen();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    const qv::AnalysedFrame* pictures[] = {&frames->squat, &frames->overheadRaise};
    int frame = 0;
    QTimer feed;
    feed.setTimerType(Qt::PreciseTimer);
    QObject::connect(&feed, &QTimer::timeout, [&] {
        const qv::AnalysedFrame& picture = *pictures[(frame / 15) % 2];
        model.apply(qv::progress::Exercise{picture.pose, picture.preview, (frame / 30) % 10, 10});
        ++frame;
    });
    QTest::qWait(1000); // settle before measuring
    feed.start(1000 / 15);
    std::printf("scene graph: %s\n", backendName(window.rendererInterface()->graphicsApi()));
    std::printf("%8s %12s %14s %12s\n", "seconds", "gui thread %", "process %", "resident MiB");
    QElapsedTimer wall;
    wall.start();
    double lastWall = 0;
    double lastThread = seconds(CLOCK_THREAD_CPUTIME_ID);
    double lastProcess = seconds(CLOCK_PROCESS_CPUTIME_ID);
    while (wall.elapsed() < runSeconds * 1000) {
        QTest::qWait(30000);
        const double now = static_cast<double>(wall.elapsed()) / 1000;
        const double thread = seconds(CLOCK_THREAD_CPUTIME_ID);
        const double process = seconds(CLOCK_PROCESS_CPUTIME_ID);
        std::printf("%8.0f %12.1f %14.1f %12.1f\n", now,
                    100 * (thread - lastThread) / (now - lastWall),
                    100 * (process - lastProcess) / (now - lastWall), residentMiB());
        std::fflush(stdout);
        lastWall = now;
        lastThread = thread;
        lastProcess = process;
    }
    std::printf("frames fed: %d (%.1f a second)\n", frame,
                frame / (static_cast<double>(wall.elapsed()) / 1000));
    return 0;
}
