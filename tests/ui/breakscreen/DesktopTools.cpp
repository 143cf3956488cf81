// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopTools.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace qv::test {

QString run(const QString& commandLine) {
    QStringList arguments = commandLine.split(u' ', Qt::SkipEmptyParts);
    QProcess process;
    process.start(arguments.takeFirst(), arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(5);
    }
    return true;
}

QImage screenshot() {
    QProcess process;
    process.start("import", {"-window", "root", "png:-"});
    process.waitForFinished(15000);
    return QImage::fromData(process.readAllStandardOutput(), "PNG");
}

int countColour(const QImage& picture, QRgb colour) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if (qAbs(qRed(line[x]) - qRed(colour)) < 24 &&
                qAbs(qGreen(line[x]) - qGreen(colour)) < 24 &&
                qAbs(qBlue(line[x]) - qBlue(colour)) < 24) {
                ++count;
            }
        }
    }
    return count;
}

std::optional<quint64> activeWindow() {
    bool ok = false;
    const quint64 id = run("xdotool getactivewindow").toULongLong(&ok);
    return ok ? std::optional<quint64>(id) : std::nullopt;
}

int currentDesktop() {
    return run("xdotool get_desktop").toInt();
}

namespace {

// The X window of that name once it is mapped; 0 when none came within ten seconds.
quint64 windowNamed(const QString& name) {
    quint64 id = 0;
    waitUntil(
        [&] {
            id = run(QStringLiteral("xdotool search --name ") + name)
                     .section(u'\n', 0, 0)
                     .toULongLong();
            return id != 0;
        },
        10000);
    return id;
}

} // namespace

ForeignWindow::ForeignWindow(const QString& name, const QString& geometry) {
    process_.start("xmessage", {"-name", name, "-title", name, "-geometry", geometry, "-bg",
                                "magenta", "-fg", "magenta", name});
    id_ = windowNamed(name);
}

ForeignWindow::~ForeignWindow() {
    process_.kill();
    process_.waitForFinished(3000);
}

KeyWatcher::KeyWatcher(const QString& name) {
    process_.start("xev", {"-name", name, "-event", "keyboard", "-geometry", "400x300+100+100"});
    id_ = windowNamed(name);
}

KeyWatcher::~KeyWatcher() {
    process_.kill();
    process_.waitForFinished(3000);
}

bool KeyWatcher::sawKeyPress() {
    seen_ += process_.readAllStandardOutput();
    return seen_.contains("KeyPress");
}

} // namespace qv::test
