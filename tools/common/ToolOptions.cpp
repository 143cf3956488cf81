// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolOptions.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <sys/stat.h>

namespace qv::tools {

Result<int> wholeNumberOption(const QString& option, const QString& text, int lowest, int highest) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < lowest || value > highest) {
        return Failure{QStringLiteral("%1 must be a whole number from %2 to %3, not \"%4\"")
                           .arg(option)
                           .arg(lowest)
                           .arg(highest)
                           .arg(text)};
    }
    return value;
}

Result<double> numberOption(const QString& option, const QString& text, double lowest,
                            double highest) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < lowest || value > highest) {
        return Failure{QStringLiteral("%1 must be a number from %2 to %3, not \"%4\"")
                           .arg(option)
                           .arg(lowest)
                           .arg(highest)
                           .arg(text)};
    }
    return value;
}

int threadsForThisMachine(int requested) {
    return std::clamp(requested, 1, std::max(1, QThread::idealThreadCount()));
}

Status differentFromInput(const QString& option, const QString& output, const QString& input) {
    const QFileInfo out(output);
    const QFileInfo in(input);
    // Every name of one file (a symbolic or hard link, "./clip.mp4") has its device and inode.
    struct stat outInfo = {};
    struct stat inInfo = {};
    const bool bothExist = ::stat(QFile::encodeName(output).constData(), &outInfo) == 0 &&
                           ::stat(QFile::encodeName(input).constData(), &inInfo) == 0;
    const bool same = bothExist ? outInfo.st_dev == inInfo.st_dev && outInfo.st_ino == inInfo.st_ino
                                : out.absoluteFilePath() == in.absoluteFilePath();
    if (same) {
        return Failure{
            QStringLiteral("%1 names the input %2; give another file").arg(option, input)};
    }
    return {};
}

} // namespace qv::tools
