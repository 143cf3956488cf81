// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaylandChildren.h"

#include "core/time/EventLoopTimeSource.h"
#include "platform/PlatformBackends.h"
#include "ui/breakscreen/WindowLockController.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRasterWindow>
#include <QSocketNotifier>
#include <QThread>
#include <cstdio>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

namespace qv::test {

namespace {

void say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

// Calls back with each line this process reads on stdin.
void onInputLine(QObject* owner, const std::function<void(const QByteArray&)>& handle) {
    auto* notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [handle] {
        char line[64] = {};
        if (std::fgets(line, sizeof line, stdin) != nullptr) {
            handle(QByteArray(line).trimmed());
        }
    });
}

// Locks until told "release" on stdin; says "locked", and the chord's state as it changes.
int lockUntilReleased(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    EventLoopTimeSource time;
    BreakOverlayModel::Initial initial;
    initial.emergencyEscapesRemaining = 3;
    BreakOverlayModel model(initial, nullptr);
    QObject::connect(&model, &BreakOverlayModel::isEmergencyKeyHeldChanged, &app,
                     [&] { say(model.isEmergencyKeyHeld() ? "chord down" : "chord up"); });
    WindowLockController::Options options;
    options.hold = platformBackends::makeBreakScreenHold(time, OverlayWindow::breakTitle, 600);
    const bool held = options.hold->status().guarantee == BreakHoldGuarantee::held;
    WindowLockController controller(time, std::move(options));
    controller.lock(model);
    say(held ? "locked, held" : "locked, leavable");
    onInputLine(&app, [&](const QByteArray& line) {
        if (line == "release") {
            controller.release(false);
            app.quit();
        }
    });
    return app.exec();
}

class OtherWindow : public QRasterWindow {
protected:
    void keyPressEvent(QKeyEvent* event) override {
        std::printf("key %s\n", qPrintable(event->text()));
        std::fflush(stdout);
    }
};

// Another program's window: says which keys reach it, and asks for focus when told "activate".
int otherWindow(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    OtherWindow window;
    window.setTitle("qv-other");
    window.resize(400, 300);
    window.show();
    onInputLine(&app, [&](const QByteArray& line) {
        if (line == "activate") {
            window.requestActivate();
        }
    });
    return app.exec();
}

} // namespace

std::optional<int> runWaylandChild(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lock") == 0) {
            return lockUntilReleased(argc, argv);
        }
        if (std::strcmp(argv[i], "--other") == 0) {
            return otherWindow(argc, argv);
        }
    }
    return std::nullopt;
}

Child::Child(const QProcessEnvironment& env, const QString& mode, const QStringList& wrapper) {
    process_.setProcessEnvironment(env);
    QStringList command = wrapper + QStringList{QCoreApplication::applicationFilePath(), mode};
    process_.start(command.takeFirst(), command);
}

Child::~Child() {
    process_.kill();
    process_.waitForFinished(3000);
}

void Child::tell(const char* line) {
    process_.write(line);
    process_.write("\n");
}

bool Child::saw(const QByteArray& start, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (true) {
        for (const QByteArray& line : lines_) {
            if (line.startsWith(start)) {
                return true;
            }
        }
        if (clock.elapsed() > timeoutMs || process_.state() == QProcess::NotRunning) {
            return false;
        }
        process_.waitForReadyRead(100);
        while (process_.canReadLine()) {
            lines_.append(process_.readLine().trimmed());
        }
    }
}

bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QThread::msleep(100);
    }
    return true;
}

std::optional<QStringList> unprivilegedUser(const QString& folder) {
    if (geteuid() != 0) {
        return QStringList();
    }
    const passwd* nobody = getpwnam("nobody");
    if (nobody == nullptr ||
        chown(QFile::encodeName(folder).constData(), nobody->pw_uid, nobody->pw_gid) != 0) {
        return std::nullopt;
    }
    return QStringList{"runuser", "-u", "nobody", "--"};
}

} // namespace qv::test
