// SPDX-License-Identifier: GPL-3.0-or-later
// The break screen under a headless KWin with two virtual outputs. KWin's virtual backend
// takes no screenshots, so the compositor's side is its own window list: a KWin script, loaded
// over KWin's D-Bus scripting interface, prints which window is active and what is on top.
#include "WaylandChildren.h"
#include "support/FileBytes.h"
#include "ui/breakscreen/WindowLockController.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace {

using qv::test::Child;
using qv::test::unprivilegedUser;
using qv::test::waitFor;
using qv::test::writeFile;

class KWinBreakScreen : public ::testing::Test {
protected:
    void SetUp() override {
        const QString kwin = QStandardPaths::findExecutable("kwin_wayland");
        if (kwin.isEmpty() || QStandardPaths::findExecutable("dbus-run-session").isEmpty()) {
            GTEST_SKIP() << "kwin_wayland and dbus-run-session are not installed";
        }
        ASSERT_TRUE(runtime.isValid());
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner | QFile::ReadOther |
                                                  QFile::ExeOther);
        // The packaged binary carries a file capability a container may not grant; a plain
        // copy runs. It must keep its name: KWin's own platform plugin checks it.
        ASSERT_TRUE(QDir(runtime.path()).mkdir("bin"));
        ASSERT_TRUE(QFile::copy(kwin, path("bin/kwin_wayland")));
        // Its session bus only lets in its own user, so everything runs as one.
        const auto user = unprivilegedUser(runtime.path());
        if (!user) {
            GTEST_SKIP() << "no unprivileged user to run KWin as";
        }
        asUser = *user;
        QProcessEnvironment env = environment();
        env.insert("KWIN_COMPOSE", "Q");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        kwinProcess.setProcessEnvironment(env);
        kwinProcess.setProcessChannelMode(QProcess::MergedChannels);
        QStringList command =
            asUser +
            QStringList{"dbus-run-session", "--", "sh", "-c",
                        QStringLiteral(
                            "echo $DBUS_SESSION_BUS_ADDRESS > %1; echo $$ > %3; exec %2 --virtual "
                            "--width 1280 --height 720 --output-count 2 --socket kw-1 "
                            "--no-lockscreen")
                            .arg(path("bus"), path("bin/kwin_wayland"), path("kwin.pid"))};
        kwinProcess.start(command.takeFirst(), command);
        if (!waitFor([&] { return QFile::exists(path("kw-1")) && !bus().isEmpty(); }, 15000)) {
            GTEST_SKIP() << "headless KWin did not start here: "
                         << kwinProcess.readAll().right(400).toStdString();
        }
    }
    void TearDown() override {
        // dbus-run-session, told to end, leaves KWin and its bus running: end KWin, and the
        // session ends the bus and itself.
        QFile pidFile(path("kwin.pid"));
        const int pid = pidFile.open(QIODevice::ReadOnly) ? pidFile.readAll().trimmed().toInt() : 0;
        if (pid > 0) {
            ::kill(pid, SIGTERM);
        }
        if (!kwinProcess.waitForFinished(5000)) {
            kwinProcess.terminate();
            kwinProcess.waitForFinished(5000);
        }
    }
    QString path(const char* name) const { return runtime.filePath(QString::fromLatin1(name)); }
    QString bus() const {
        QFile file(path("bus"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll().trimmed())
                                              : QString();
    }
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", runtime.path());
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("XDG_CURRENT_DESKTOP", "KDE");
        env.insert("WAYLAND_DISPLAY", "kw-1");
        env.insert("QT_QPA_PLATFORM", "wayland");
        env.insert("KWIN_WAYLAND_NO_PERMISSION_CHECKS", "1");
        env.remove("DISPLAY");
        env.remove("QT_QUICK_BACKEND");
        const QString address = bus();
        if (!address.isEmpty()) {
            env.insert("DBUS_SESSION_BUS_ADDRESS", address);
        }
        return env;
    }
    void scripting(const QStringList& arguments) {
        QProcess call;
        call.setProcessEnvironment(environment());
        QStringList command =
            asUser + QStringList{"dbus-send", "--session", "--print-reply", "--dest=org.kde.KWin"} +
            arguments;
        call.start(command.takeFirst(), command);
        call.waitForFinished(10000);
        const QByteArray reply = call.readAllStandardOutput();
        lastScriptId = reply.mid(reply.lastIndexOf("int32") + 6).trimmed();
    }
    // Runs a KWin script once and unloads it again.
    void runScript(const QString& source) {
        const QString name = QStringLiteral("qv-probe-%1").arg(++scripts);
        const QString file = runtime.filePath(name + QStringLiteral(".js"));
        ASSERT_TRUE(writeFile(file, source.toUtf8()));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        scripting({"/Scripting", "org.kde.kwin.Scripting.loadScript",
                   QStringLiteral("string:") + file, QStringLiteral("string:") + name});
        scripting(
            {QStringLiteral("/") + QString::fromLatin1(lastScriptId), "org.kde.kwin.Script.run"});
        scripting({"/Scripting", "org.kde.kwin.Scripting.unloadScript",
                   QStringLiteral("string:") + name});
    }
    // KWin's view: the active window, and the windows from the top down.
    QString state() {
        log += kwinProcess.readAll();
        const qsizetype before = log.size();
        runScript(QStringLiteral(
            "const a = workspace.activeClient;"
            "const top = workspace.clientList().slice().sort((x, y) => y.stackingOrder - "
            "x.stackingOrder).map(w => w.caption + (w.fullScreen ? '[full]' : '') + '@' + "
            "w.screen);"
            "print('QV state active=' + (a ? a.caption : '') + ' top=' + top.join(','));"));
        waitFor(
            [&] {
                kwinProcess.waitForReadyRead(100);
                log += kwinProcess.readAll();
                return log.indexOf("QV state", before) >= 0;
            },
            5000);
        const qsizetype at = log.lastIndexOf("QV state");
        return at < before ? QString() : QString::fromUtf8(log.mid(at, log.indexOf('\n', at) - at));
    }
    // The break has focus and its two windows, full screen on both outputs, are on top.
    bool breakHolds() {
        const QString now = state();
        return now.contains("active=Quorvantel Break top=Quorvantel Break[full]@") &&
               now.contains(",Quorvantel Break[full]@") && now.contains("@0") && now.contains("@1");
    }

    QTemporaryDir runtime;
    QProcess kwinProcess;
    QStringList asUser;
    QByteArray log;
    QByteArray lastScriptId;
    int scripts = 0;
};

TEST_F(KWinBreakScreen, KeepsTheBreakOnTopAndFocusedAgainstOtherWindows) {
    Child lock(environment(), "--lock", asUser);
    ASSERT_TRUE(lock.saw("locked, held")) << lock.process().readAllStandardError().toStdString();
    ASSERT_TRUE(waitFor([&] { return breakHolds(); }, 15000)) << state().toStdString();

    // A window opened during the break: KWin would give it focus and put it on top.
    Child other(environment(), "--other", asUser);
    ASSERT_TRUE(waitFor([&] { return state().contains("qv-other"); }, 10000));
    EXPECT_TRUE(waitFor([&] { return breakHolds(); }, 2000)) << state().toStdString();

    // Focus handed to it by KWin itself, as a click or Alt+Tab would.
    runScript(QStringLiteral("workspace.activeClient = workspace.clientList().filter("
                             "w => w.caption.startsWith('qv-other'))[0];"));
    EXPECT_TRUE(waitFor([&] { return breakHolds(); }, 2000)) << state().toStdString();

    lock.tell("release");
    ASSERT_TRUE(lock.process().waitForFinished(10000));
    EXPECT_FALSE(state().contains("Quorvantel Break"));
    // The desktop is the user's again: another window can have focus.
    runScript(QStringLiteral("workspace.activeClient = workspace.clientList().filter("
                             "w => w.caption.startsWith('qv-other'))[0];"));
    EXPECT_TRUE(waitFor([&] { return state().contains("active=qv-other"); }, 3000));
}

} // namespace
