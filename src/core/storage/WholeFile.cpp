// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace qv {

namespace {

// A few pages, so a disk that is nearly full shows it as a full one does.
constexpr qsizetype trialBytes = 16 * 1024;

QString failure(const QString& path, const QString& reason) {
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
}

QString folderProblem(const QString& path) {
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (folder.exists() && !folder.isDir()) {
        return failure(folder.filePath(),
                       QCoreApplication::translate("Storage", "this is a file, not a folder"));
    }
    if (!QDir().mkpath(folder.filePath())) {
        return failure(folder.filePath(),
                       QCoreApplication::translate("Storage", "the folder cannot be created"));
    }
    return {};
}

// QSaveFile names only the temporary file when it cannot create one; say it of the folder.
QString openProblem(const QString& path, const QSaveFile& file) {
    const QFileInfo target(path);
    if (target.isDir()) {
        return failure(
            path, QCoreApplication::translate("Storage", "a folder is in the way of this file"));
    }
    return failure(path, file.errorString());
}

} // namespace

Status writeWholeFile(const QString& path, const QByteArray& bytes) {
    if (QString problem = folderProblem(path); !problem.isEmpty()) {
        return Failure{problem};
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Failure{openProblem(path, file)};
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Failure{failure(
            path, reason.isEmpty() ? QCoreApplication::translate("Storage", "the disk is full")
                                   : reason)};
    }
    if (!file.commit()) {
        return Failure{failure(path, file.errorString())};
    }
    return {};
}

QString whyUnwritable(const QString& path) {
    if (QString problem = folderProblem(path); !problem.isEmpty()) {
        return problem;
    }
    QSaveFile trial(path);
    if (!trial.open(QIODevice::WriteOnly)) {
        return openProblem(path, trial);
    }
    const bool written = trial.write(QByteArray(trialBytes, '\n')) == trialBytes && trial.flush();
    const QString reason = trial.errorString();
    // Never committed: the file in place stays as it is.
    trial.cancelWriting();
    if (!written) {
        return failure(path, reason.isEmpty()
                                 ? QCoreApplication::translate("Storage", "the disk is full")
                                 : reason);
    }
    return {};
}

} // namespace qv
