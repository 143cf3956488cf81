// SPDX-License-Identifier: GPL-3.0-or-later
// The break screen under a Wayland compositor: a headless sway, which refuses to run as root,
// so it runs as an unprivileged user when the test is root. The break itself runs in a child
// process (this program with --lock), since a Qt application picks its platform once.
#include "WindowLockController.h"
#include "core/time/EventLoopTimeSource.h"
#include "platform/PlatformBackends.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

Q_IMPORT_QML_PLUGIN(Quorvantel_ThemePlugin)
Q_IMPORT_QML_PLUGIN(Quorvantel_BreakScreenPlugin)

namespace {

QString self;

// Locks for a few seconds and reports whether every window stayed full screen.
int lockForAWhile(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    qv::EventLoopTimeSource time;
    qv::BreakOverlayModel::Initial initial;
    initial.emergencyEscapesRemaining = 3;
    qv::BreakOverlayModel model(initial, nullptr);
    qv::WindowLockController::Options options;
    options.hold = qv::platformBackends::makeBreakScreenHold();
    qv::WindowLockController controller(time, std::move(options));
    controller.lock(model);
    QTimer::singleShot(4000, &app, [&] {
            for (qv::OverlayWindow* window : controller.windows()) {
                std::printf("window %s fullscreen=%d\n", qPrintable(window->screen()->name()),
                            window->windowState() == Qt::WindowFullScreen);
            }
            std::fflush(stdout);
            controller.release(false);
            app.quit();
        });
    return app.exec();
}

class WaylandBreakScreen : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("sway")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("grim")).isEmpty()) {
            GTEST_SKIP() << "sway and grim are not installed";
        }
        ASSERT_TRUE(runtime.isValid());
        QStringList command{QStringLiteral("env"),
                            QStringLiteral("XDG_RUNTIME_DIR=") + runtime.path(),
                            QStringLiteral("WLR_BACKENDS=headless"),
                            QStringLiteral("WLR_LIBINPUT_NO_DEVICES=1"),
                            QStringLiteral("WLR_RENDERER=pixman"),
                            QStringLiteral("WLR_HEADLESS_OUTPUTS=1"),
                            QStringLiteral("sway"),
                            QStringLiteral("-c"),
                            config()};
        if (geteuid() == 0) {
            // sway will not run as root: hand it to an unprivileged user.
            const passwd* nobody = getpwnam("nobody");
            if (nobody == nullptr) {
                GTEST_SKIP() << "no unprivileged user to run sway as";
            }
            if (chown(QFile::encodeName(runtime.path()).constData(), nobody->pw_uid,
                      nobody->pw_gid) != 0) {
                GTEST_SKIP() << "cannot hand the runtime folder to nobody";
            }
            command =
                QStringList{QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--")} +
                command;
            sway.start(QStringLiteral("runuser"), command);
        } else {
            sway.start(command.takeFirst(), command);
        }
        for (int i = 0; i < 100 && !QFile::exists(runtime.filePath(QStringLiteral("wayland-1")));
             ++i) {
            QThread::msleep(50);
        }
        if (!QFile::exists(runtime.filePath(QStringLiteral("wayland-1")))) {
            GTEST_SKIP() << "headless sway did not start here: "
                         << sway.readAllStandardError().right(400).toStdString();
        }
    }
    void TearDown() override {
        sway.terminate();
        sway.waitForFinished(3000);
    }
    QString config() {
        const QString path = runtime.filePath(QStringLiteral("config"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write("output HEADLESS-1 resolution 1280x720\n");
        }
        file.setPermissions(QFile::ReadOwner | QFile::ReadOther | QFile::ReadGroup);
        return path;
    }
    QProcessEnvironment clientEnvironment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        // The headless compositor offers no graphics card to draw with.
        env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
        return env;
    }

    QTemporaryDir runtime;
    QProcess sway;
};

TEST_F(WaylandBreakScreen, CoversTheOutputAndStaysFullScreen) {
    QProcess client;
    client.setProcessEnvironment(clientEnvironment());
    client.start(self, {QStringLiteral("--lock")});
    ASSERT_TRUE(client.waitForStarted());
    QThread::msleep(2500);
    QProcess grim;
    grim.setProcessEnvironment(clientEnvironment());
    grim.start(QStringLiteral("grim"), {QStringLiteral("-")});
    ASSERT_TRUE(grim.waitForFinished(10000));
    const QImage shot = QImage::fromData(grim.readAllStandardOutput(), "PNG");
    ASSERT_TRUE(client.waitForFinished(15000));
    const QString report = QString::fromLocal8Bit(client.readAllStandardOutput());
    EXPECT_EQ(client.exitCode(), 0) << client.readAllStandardError().toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("fullscreen=1"))) << report.toStdString();
    ASSERT_FALSE(shot.isNull()) << grim.readAllStandardError().toStdString();
    // The break screen's deep blue at every corner and in the middle, not the compositor's
    // empty black.
    for (const QPoint at : {QPoint(2, 2), QPoint(shot.width() - 3, 2), QPoint(2, shot.height() - 3),
                            QPoint(shot.width() - 3, shot.height() - 3),
                            QPoint(shot.width() / 2, shot.height() / 3)}) {
        const QColor colour = shot.pixelColor(at);
        EXPECT_GT(colour.blue(), colour.red()) << at.x() << "," << at.y();
        EXPECT_GT(colour.blue(), 8) << at.x() << "," << at.y();
    }
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lock") == 0) {
            return lockForAWhile(argc, argv);
        }
    }
    QCoreApplication app(argc, argv);
    self = QCoreApplication::applicationFilePath();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
