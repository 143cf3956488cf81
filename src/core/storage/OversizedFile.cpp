// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/OversizedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qv {

QString setAsideIfOversized(const QString& path, qint64 largestSize, const QString& what) {
    const QFileInfo file(path);
    if (!file.isFile() || file.size() <= largestSize) {
        return {};
    }
    // Through a symlink (a dotfile manager's) the file it names is set aside, and the link
    // stays for the next save to write through.
    const QString target = file.isSymLink() ? file.canonicalFilePath() : path;
    const QString base = target + QStringLiteral(".too-large");
    QString aside = base;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n) {
        aside = base + u'-' + QString::number(n);
    }
    const QString size = QString::number(double(file.size()) / (1024 * 1024), 'f', 1);
    if (!QFile::rename(target, aside)) {
        return QStringLiteral("Your %1 %2 is %3 MB, far more than it ever holds, and could not "
                              "be set aside, so every start reads it slowly until it is "
                              "removed.")
            .arg(what, QDir::toNativeSeparators(path), size);
    }
    return QStringLiteral("Your %1 was %2 MB, far more than it ever holds, and was not read; "
                          "what it kept is back to its defaults. The file as it was is kept "
                          "as %3.")
        .arg(what, size, QDir::toNativeSeparators(aside));
}

} // namespace qv
