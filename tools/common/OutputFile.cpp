// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputFile.h"

#include <QFileInfo>
#include <cstdio>

namespace qv::tools {

namespace {

bool isStandardOutput(const QString& path) {
    return path == QLatin1String("-");
}

// Devices, pipes and sockets; a link counts as what it points to.
bool isSpecialFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

} // namespace

OutputFile::OutputFile(const QString& path)
    : path_(path)
    , isDirect_(isStandardOutput(path) || isSpecialFile(path))
    , replaced_(path) {
    if (!isStandardOutput(path)) {
        direct_.setFileName(path);
    }
}

Status OutputFile::failure(const QString& reason) const {
    const QString name = isStandardOutput(path_) ? QStringLiteral("standard output") : path_;
    return Failure{QStringLiteral("cannot write %1: %2").arg(name, reason)};
}

Status OutputFile::open() {
    if (isStandardOutput(path_)) {
        if (!direct_.open(stdout, QIODevice::WriteOnly)) {
            return failure(direct_.errorString());
        }
        return {};
    }
    if (!device().open(QIODevice::WriteOnly)) {
        return failure(device().errorString());
    }
    return {};
}

QFileDevice& OutputFile::device() {
    return isDirect_ ? static_cast<QFileDevice&>(direct_) : replaced_;
}

Status OutputFile::commit() {
    if (isDirect_) {
        // A device that is full takes the buffered bytes and fails only when they are flushed.
        if (direct_.error() != QFileDevice::NoError || !direct_.flush()) {
            return failure(direct_.errorString());
        }
        direct_.close();
        if (direct_.error() != QFileDevice::NoError) {
            return failure(direct_.errorString());
        }
        return {};
    }
    if (replaced_.error() != QFileDevice::NoError) {
        const QString reason = replaced_.errorString();
        replaced_.cancelWriting();
        return failure(reason);
    }
    if (!replaced_.commit()) {
        return failure(replaced_.errorString());
    }
    return {};
}

Status OutputFile::abandon() {
    QString reason = device().errorString();
    // A short write on a full disk sets no error of its own.
    if (device().error() == QFileDevice::NoError) {
        reason = QStringLiteral("not everything could be written (is the disk full?)");
    }
    if (isDirect_) {
        direct_.close();
    } else {
        replaced_.cancelWriting();
    }
    return failure(reason);
}

Status writeOutputFile(const QString& path, const QByteArray& bytes) {
    OutputFile file(path);
    if (Status opened = file.open(); !opened) {
        return opened;
    }
    if (file.device().write(bytes) != bytes.size()) {
        return file.abandon();
    }
    return file.commit();
}

} // namespace qv::tools
