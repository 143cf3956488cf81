// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <functional>
#include <optional>

namespace qv::test {

// Runs one of the X tools a break-window test drives the private desktop with, given as a
// command line split at spaces ("xdotool key super"); its output.
QString run(const QString& commandLine);
// Processes events until the condition holds or the time is up; says whether it held.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs);
// The root window as a picture.
QImage screenshot();
// Pixels of the picture that show the colour, within a small tolerance.
int countColour(const QImage& picture, QRgb colour);
// The X window that has focus, as the window manager reports it.
std::optional<quint64> activeWindow();
// The virtual desktop the window manager shows.
int currentDesktop();

// Another program's window, bright magenta so a screenshot shows any part left uncovered.
class ForeignWindow {
public:
    static constexpr QRgb colour = 0xffff00ff;
    explicit ForeignWindow(const QString& name,
                           const QString& geometry = QStringLiteral("1920x1080+0+0"));
    ~ForeignWindow();
    quint64 id() const { return id_; }
    bool isValid() const { return id_ != 0; }

private:
    QProcess process_;
    quint64 id_ = 0;
};

// Another program's window that reports every key it is given.
class KeyWatcher {
public:
    explicit KeyWatcher(const QString& name);
    ~KeyWatcher();
    quint64 id() const { return id_; }
    bool isValid() const { return id_ != 0; }
    // Whether any key was pressed in it so far.
    bool sawKeyPress();

private:
    QProcess process_;
    QByteArray seen_;
    quint64 id_ = 0;
};

} // namespace qv::test
