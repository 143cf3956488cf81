// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace qv::test {

std::optional<QString> testDataDir() {
    const QString dir = qEnvironmentVariable("QV_TESTDATA_DIR");
    if (dir.isEmpty() || !QFileInfo(dir).isDir()) {
        return std::nullopt;
    }
    return QDir(dir).absolutePath();
}

std::optional<QString> realClip(const QString& name) {
    const auto dir = testDataDir();
    const QString path = dir ? *dir + QStringLiteral("/real/") + name : QString();
    return dir && QFileInfo::exists(path) ? std::optional(path) : std::nullopt;
}

TemporaryHome::TemporaryHome()
    : previousConfig_(qgetenv("XDG_CONFIG_HOME"))
    , previousData_(qgetenv("XDG_DATA_HOME")) {
    QDir(dir_.path()).mkpath(QStringLiteral("config"));
    QDir(dir_.path()).mkpath(QStringLiteral("data"));
    qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", dir_.filePath(QStringLiteral("data")).toLocal8Bit());
}

TemporaryHome::~TemporaryHome() {
    qputenv("XDG_CONFIG_HOME", previousConfig_);
    qputenv("XDG_DATA_HOME", previousData_);
}

} // namespace qv::test
