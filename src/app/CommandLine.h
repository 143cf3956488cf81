// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"

#include <QString>
#include <QStringList>

namespace qv {

// What one launch of the executable asks for.
struct CommandLine {
    enum class Request {
        none, // start, or bring nothing to the running instance
        startBreakNow,
        snooze,
        pause,
        pauseUntilTomorrow,
        resume,
        openSettings,
        status,
        help,
        version,
    };

    Request request = Request::none;
    double pauseSeconds = 0;
    // A video file that stands in for the only camera during this run.
    QString cameraVideo;
    // Filled for help and version.
    QString text;
};

// Exit statuses of the executable, listed in --help.
namespace exitCode {
constexpr int done = 0;
constexpr int notRunning = 1; // no Quorvantel runs (or one cannot start here)
constexpr int usage = 2;
constexpr int notNow = 3;       // the running one cannot do it now, and says why
constexpr int limitReached = 4; // allowed again only later (the snoozes of a break)
constexpr int noAnswer = 5;     // the running one did not answer, or failed otherwise
} // namespace exitCode

// With nothing running, a request either starts Quorvantel and then acts (plain start and
// --settings: they show something, which is what a new instance is for) or exits notRunning
// (the rest: they change or read a schedule that does not run yet).
bool startsWhenNotRunning(CommandLine::Request request);

// The options, their help and the rules between them (one request at a time).
Result<CommandLine> parseCommandLine(const QStringList& arguments);

// "90" (minutes), "45s", "30m", "2h", "1h30m"; within the pause limits.
Result<double> parsePauseDuration(const QString& text);

// The D-Bus method that carries a request to the running instance; empty for none/help/version.
QString instanceMethod(CommandLine::Request request);

} // namespace qv
