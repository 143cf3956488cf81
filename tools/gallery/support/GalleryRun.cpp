// SPDX-License-Identifier: GPL-3.0-or-later
#include "GalleryRun.h"

#include "TextCheck.h"

#include <QFileInfo>

namespace qv::gallery {

namespace {

int problems = 0;
QtMessageHandler previousHandler = nullptr;

void countProblems(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) {
        ++problems;
    }
    previousHandler(type, context, message);
}

} // namespace

GalleryRun::GalleryRun() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    previousHandler = qInstallMessageHandler(countProblems);
}

std::optional<QDir> GalleryRun::outputFolder(const QStringList& arguments) {
    if (arguments.size() != 2) {
        err() << "usage: " << QFileInfo(arguments.value(0)).fileName() << " OUTDIR\n";
        return std::nullopt;
    }
    const QDir out(arguments.at(1));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        err() << "cannot create " << out.path() << "\n";
        return std::nullopt;
    }
    return out;
}

int GalleryRun::exitCode(bool everyPictureSaved) {
    if (problems > 0) {
        err() << problems << " QML warnings or errors\n";
        return 1;
    }
    if (TextCheck::faults() > 0) {
        err() << TextCheck::faults() << " texts untranslated or cut off\n";
        return 1;
    }
    return everyPictureSaved ? 0 : 1;
}

QTextStream& GalleryRun::err() {
    static QTextStream stream(stderr);
    return stream;
}

} // namespace qv::gallery
