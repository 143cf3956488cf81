// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RequestForwarding.h"

#include "platform/linux/SessionBusInstance.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace qv {

namespace {

int refused(const QString& sentence, int code) {
    QTextStream(stderr) << "quorvantel: " << sentence << '\n';
    return code;
}

int exitCodeOf(InstanceReply::Kind kind) {
    switch (kind) {
    case InstanceReply::Kind::done:
        return exitCode::done;
    case InstanceReply::Kind::notRunning:
        return exitCode::notRunning;
    case InstanceReply::Kind::notNow:
        return exitCode::notNow;
    case InstanceReply::Kind::limitReached:
        return exitCode::limitReached;
    case InstanceReply::Kind::failed:
        break;
    }
    return exitCode::noAnswer;
}

} // namespace

std::optional<int> forwardToRunningInstance(const CommandLine& command, QDBusConnection bus) {
    // A plain second launch (the launcher clicked again) shows the running one's settings; one
    // that brings a camera video only asks whether an instance runs.
    const bool plain = command.request == CommandLine::Request::none;
    const bool onlyAsking = plain && !command.cameraVideo.isEmpty();
    const QString method = onlyAsking ? QStringLiteral("Status")
                           : plain    ? QStringLiteral("OpenSettings")
                                      : instanceMethod(command.request);
    QVariantList arguments;
    if (command.request == CommandLine::Request::pause) {
        arguments << command.pauseSeconds;
    }
    const InstanceReply reply = SessionBusInstance::call(method, arguments, bus);
    if (reply.kind == InstanceReply::Kind::notRunning) {
        if (startsWhenNotRunning(command.request)) {
            return std::nullopt;
        }
        return refused(
            QCoreApplication::translate("CommandLine",
                                        "Quorvantel is not running; start it with \"quorvantel\"."),
            exitCode::notRunning);
    }
    if (reply.kind != InstanceReply::Kind::done) {
        return refused(reply.text, exitCodeOf(reply.kind));
    }
    if (onlyAsking) {
        return refused(QCoreApplication::translate("CommandLine",
                                                   "Quorvantel is already running; quit it to use "
                                                   "--camera-video."),
                       exitCode::notNow);
    }
    if (!reply.text.isEmpty()) {
        QTextStream(stdout) << reply.text << '\n';
    }
    return exitCode::done;
}

} // namespace qv
