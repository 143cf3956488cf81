// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelperPrograms.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qv {

QString helperProgram(const QString& name) {
    return helperProgram(name, QCoreApplication::applicationDirPath());
}

QString helperProgram(const QString& name, const QString& programFolder) {
    const QDir programs(programFolder);
    const QString installed =
        QDir::cleanPath(programs.filePath(QStringLiteral(QV_HELPERS_FROM_BIN "/") + name));
    return QFileInfo(installed).isExecutable() ? installed : programs.filePath(name);
}

} // namespace qv
