// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VideoDeviceNodes.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace qv::linuxcam {

namespace {

QString canonical(const QString& path) {
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? path : resolved;
}

QStringList videoNodes(const QString& devRoot) {
    static const QRegularExpression pattern(QStringLiteral("^video[0-9]+$"));
    QStringList nodes;
    for (const QString& name : QDir(devRoot).entryList(QDir::System | QDir::Files)) {
        if (pattern.match(name).hasMatch()) {
            nodes << QDir(devRoot).filePath(name);
        }
    }
    return nodes;
}

} // namespace

QString stableId(const QString& node, const QString& devRoot) {
    const QString target = canonical(node);
    for (const char* folder : {"v4l/by-id", "v4l/by-path"}) {
        const QDir links(QDir(devRoot).filePath(QLatin1String(folder)));
        for (const QFileInfo& link : links.entryInfoList(QDir::System | QDir::Files)) {
            if (link.isSymLink() && canonical(link.absoluteFilePath()) == target) {
                return QLatin1String(folder).mid(4) + u'/' + link.fileName();
            }
        }
    }
    return node;
}

QString nodeFor(const QString& id, const QString& devRoot) {
    if (id.startsWith(QLatin1String("by-id/")) || id.startsWith(QLatin1String("by-path/"))) {
        const QString link = QDir(devRoot).filePath(QStringLiteral("v4l/") + id);
        return QFileInfo::exists(link) ? canonical(link) : QString();
    }
    return QFileInfo::exists(id) ? id : QString();
}

bool isBuiltIn(const QString& node, const QString& sysRoot) {
    const QString device =
        QStringLiteral("%1/class/video4linux/%2/device").arg(sysRoot, QFileInfo(node).fileName());
    QDir dir(canonical(device));
    for (int depth = 0; depth < 12 && dir.exists(); ++depth) {
        QFile removable(dir.filePath(QStringLiteral("removable")));
        if (removable.open(QIODevice::ReadOnly)) {
            const QByteArray value = removable.readAll().trimmed();
            if (value == "fixed") {
                return true;
            }
            if (value == "removable") {
                return false;
            }
        }
        if (!dir.cdUp()) {
            break;
        }
    }
    return false;
}

bool isHeldByAnotherProcess(const QString& node, const QString& procRoot) {
    const QString target = canonical(node);
    const QString self = QString::number(getpid());
    static const QRegularExpression number(QStringLiteral("^[0-9]+$"));
    for (const QString& pid : QDir(procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (pid == self || !number.match(pid).hasMatch()) {
            continue;
        }
        const QDir fds(QStringLiteral("%1/%2/fd").arg(procRoot, pid));
        for (const QString& fd : fds.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
            if (QFile::symLinkTarget(fds.filePath(fd)) == target) {
                return true;
            }
        }
    }
    return false;
}

bool isAnyHeldByAnotherProcess(const QString& devRoot, const QString& procRoot,
                               std::chrono::milliseconds budget) {
    QElapsedTimer elapsed;
    elapsed.start();
    QSet<QString> targets;
    for (const QString& node : videoNodes(devRoot)) {
        targets.insert(canonical(node));
    }
    if (targets.isEmpty()) {
        return false;
    }
    const QString self = QString::number(getpid());
    static const QRegularExpression number(QStringLiteral("^[0-9]+$"));
    for (const QString& pid : QDir(procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (elapsed.elapsed() > budget.count()) {
            return false; // no answer in time reads as "not in use"
        }
        if (pid == self || !number.match(pid).hasMatch()) {
            continue;
        }
        const QDir fds(QStringLiteral("%1/%2/fd").arg(procRoot, pid));
        for (const QString& fd : fds.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
            if (targets.contains(QFile::symLinkTarget(fds.filePath(fd)))) {
                return true;
            }
        }
    }
    return false;
}

CameraAuthorization authorization(const QString& devRoot) {
    const QStringList nodes = videoNodes(devRoot);
    if (nodes.isEmpty()) {
        return CameraAuthorization::authorized;
    }
    bool isRefused = false;
    for (const QString& node : nodes) {
        const int fd = ::open(QFile::encodeName(node).constData(), O_RDONLY | O_NONBLOCK);
        if (fd >= 0) {
            ::close(fd);
            return CameraAuthorization::authorized;
        }
        isRefused = isRefused || errno == EACCES || errno == EPERM;
    }
    return isRefused ? CameraAuthorization::denied : CameraAuthorization::unknown;
}

} // namespace qv::linuxcam
