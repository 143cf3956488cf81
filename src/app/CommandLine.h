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

// The options, their help and the rules between them (one request at a time).
Result<CommandLine> parseCommandLine(const QStringList& arguments);

// "90" (minutes), "45s", "30m", "2h", "1h30m"; within the pause limits.
Result<double> parsePauseDuration(const QString& text);

// The D-Bus method that carries a request to the running instance; empty for none/help/version.
QString instanceMethod(CommandLine::Request request);

} // namespace qv
