// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "core/scheduling/PauseLimits.h"
#include "core/services/BuildInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <array>

namespace qv {

namespace {

struct RequestOption {
    CommandLine::Request request;
    const char* name;
    const char* description;
};

constexpr std::array requestOptions = {
    RequestOption{CommandLine::Request::startBreakNow, "start-break-now",
                  QT_TRANSLATE_NOOP("CommandLine", "Start a break now in the running instance.")},
    RequestOption{
        CommandLine::Request::snooze, "snooze",
        QT_TRANSLATE_NOOP("CommandLine",
                          "Put the coming break off by five minutes (twice per cycle at most).")},
    RequestOption{CommandLine::Request::pauseUntilTomorrow, "pause-until-tomorrow",
                  QT_TRANSLATE_NOOP("CommandLine", "Pause breaks until tomorrow.")},
    RequestOption{CommandLine::Request::resume, "resume",
                  QT_TRANSLATE_NOOP("CommandLine", "Resume breaks after a pause.")},
    RequestOption{CommandLine::Request::openSettings, "settings",
                  QT_TRANSLATE_NOOP("CommandLine", "Open the settings window.")},
    RequestOption{
        CommandLine::Request::status, "status",
        QT_TRANSLATE_NOOP("CommandLine", "Print the running instance's status line and exit.")},
};

QString latin(const char* text) {
    return QString::fromLatin1(text);
}

// The options are read before any application object exists (so that no display is needed),
// and without one Qt cannot name the program in the usage line.
QString withUsageOf(const QString& program, const QString& help) {
    const qsizetype lineEnd = help.indexOf(QLatin1Char('\n'));
    return QCoreApplication::translate("CommandLine", "Usage: %1 [options]")
               .arg(QFileInfo(program).fileName()) +
           (lineEnd < 0 ? QString() : help.mid(lineEnd));
}

} // namespace

Result<double> parsePauseDuration(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^(?:(\\d{1,3})h)?(?:(\\d{1,4})m)?(?:(\\d{1,6})s)?$"));
    const QString trimmed = text.trimmed().toLower();
    double seconds = 0;
    bool valid = false;
    if (static const QRegularExpression plain(QStringLiteral("^\\d{1,4}$"));
        plain.match(trimmed).hasMatch()) {
        seconds = trimmed.toDouble() * 60;
        valid = true;
    } else if (const auto match = pattern.match(trimmed); match.hasMatch() && !trimmed.isEmpty()) {
        seconds = match.captured(1).toDouble() * 3600 + match.captured(2).toDouble() * 60 +
                  match.captured(3).toDouble();
        valid = true;
    }
    if (!valid) {
        return Failure{
            QCoreApplication::translate("CommandLine",
                                        "\"%1\" is not a duration: give minutes (\"90\") or a time "
                                        "such as \"45m\", \"2h\" or \"1h30m\".")
                .arg(text)};
    }
    if (seconds < pauseLimits::shortestSeconds || seconds > pauseLimits::longestSeconds) {
        return Failure{pauseLimits::outOfRangeMessage()};
    }
    return seconds;
}

Result<CommandLine> parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "A break reminder that counts your squats on this computer. Started with no option it "
        "lives in the tray.\n\n"
        "A request (--start-break-now, --snooze, --pause, --pause-until-tomorrow, --resume, "
        "--settings, --status) goes to the Quorvantel already running. With none running, "
        "--settings starts one and opens its settings; the others exit with 1.\n\n"
        "Exit status:\n"
        "  0  done\n"
        "  1  Quorvantel is not running (or cannot start here)\n"
        "  2  the command line is wrong\n"
        "  3  the request cannot act now; the reason is on standard error (during the welcome "
        "or a break, breaks not paused, a snooze before the last minute)\n"
        "  4  both snoozes of the coming break are used\n"
        "  5  the running Quorvantel did not answer"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const RequestOption& option : requestOptions) {
        parser.addOption(QCommandLineOption(
            latin(option.name), QCoreApplication::translate("CommandLine", option.description)));
    }
    const QCommandLineOption pause(
        QStringLiteral("pause"),
        QCoreApplication::translate(
            "CommandLine", "Pause breaks for DURATION: minutes (\"90\") or \"45m\", \"2h\", "
                           "\"1h30m\"; from one minute to 24 hours."),
        QStringLiteral("DURATION"));
    const QCommandLineOption cameraVideo(
        QStringLiteral("camera-video"),
        QCoreApplication::translate(
            "CommandLine", "Use the video FILE as the only camera for this run (demonstrations and "
                           "tests of a whole break without a webcam)."),
        QStringLiteral("FILE"));
    parser.addOption(pause);
    parser.addOption(cameraVideo);

    if (!parser.parse(arguments)) {
        return Failure{parser.errorText()};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Failure{
            QCoreApplication::translate("CommandLine", "Unexpected argument \"%1\"; see --help.")
                .arg(parser.positionalArguments().constFirst())};
    }

    CommandLine result;
    result.cameraVideo = parser.value(cameraVideo);
    if (parser.isSet(cameraVideo) && result.cameraVideo.isEmpty()) {
        return Failure{
            QCoreApplication::translate("CommandLine", "--camera-video needs a video file.")};
    }
    int requests = 0;
    for (const RequestOption& option : requestOptions) {
        if (parser.isSet(latin(option.name))) {
            result.request = option.request;
            ++requests;
        }
    }
    if (parser.isSet(pause)) {
        const Result<double> seconds = parsePauseDuration(parser.value(pause));
        if (!seconds) {
            return Failure{seconds.error()};
        }
        result.request = CommandLine::Request::pause;
        result.pauseSeconds = *seconds;
        ++requests;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        return CommandLine{CommandLine::Request::help, 0, QString(),
                           withUsageOf(arguments.value(0), parser.helpText())};
    }
    if (parser.isSet(version)) {
        return CommandLine{CommandLine::Request::version, 0, QString(),
                           QStringLiteral("Quorvantel %1").arg(buildInfo::applicationVersion)};
    }
    if (requests > 1) {
        return Failure{
            QCoreApplication::translate("CommandLine", "Give one request at a time; see --help.")};
    }
    // Refused before anything is sent: a running instance would act on the request while the
    // video could only be used by a new one.
    if (requests > 0 && parser.isSet(cameraVideo)) {
        return Failure{QCoreApplication::translate(
            "CommandLine", "--camera-video is for starting Quorvantel and goes with "
                           "no request; see --help.")};
    }
    return result;
}

bool startsWhenNotRunning(CommandLine::Request request) {
    return request == CommandLine::Request::none || request == CommandLine::Request::openSettings;
}

QString instanceMethod(CommandLine::Request request) {
    switch (request) {
    case CommandLine::Request::startBreakNow:
        return QStringLiteral("StartBreakNow");
    case CommandLine::Request::snooze:
        return QStringLiteral("Snooze");
    case CommandLine::Request::pause:
        return QStringLiteral("Pause");
    case CommandLine::Request::pauseUntilTomorrow:
        return QStringLiteral("PauseUntilTomorrow");
    case CommandLine::Request::resume:
        return QStringLiteral("Resume");
    case CommandLine::Request::openSettings:
        return QStringLiteral("OpenSettings");
    case CommandLine::Request::status:
        return QStringLiteral("Status");
    case CommandLine::Request::none:
    case CommandLine::Request::help:
    case CommandLine::Request::version:
        break;
    }
    return QString();
}

} // namespace qv
