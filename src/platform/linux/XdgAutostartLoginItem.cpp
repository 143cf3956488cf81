// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/XdgAutostartLoginItem.h"

#include "core/services/AppIdentity.h"
#include "platform/linux/DesktopEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

namespace qv {

namespace {

bool isWithin(const QString& path, const QString& folder) {
    const QString clean = QDir::cleanPath(folder);
    return !clean.isEmpty() && (path == clean || path.startsWith(clean + u'/'));
}

bool isInBuildTree(const QString& path) {
    // Walks the path's text, not the folders: the path may name folders that do not exist.
    for (QString folder = QFileInfo(path).path(); folder.size() > 1;
         folder = QFileInfo(folder).path()) {
        if (QFileInfo::exists(folder + QStringLiteral("/CMakeCache.txt"))) {
            return true;
        }
    }
    return false;
}

bool hasControlCharacter(const QString& path) {
    return std::any_of(path.begin(), path.end(), [](QChar c) { return c.unicode() < 0x20; });
}

} // namespace

XdgAutostartLoginItem::XdgAutostartLoginItem(QString autostartFolder,
                                             std::optional<QString> executablePath)
    : autostartFolder_(std::move(autostartFolder))
    , executablePath_(std::move(executablePath)) {}

QString XdgAutostartLoginItem::defaultAutostartFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("autostart"));
}

std::optional<QString>
XdgAutostartLoginItem::installedExecutablePath(const QString& applicationFilePath,
                                               const QString& appImagePath) {
    const QString path =
        QDir::cleanPath(appImagePath.isEmpty() ? applicationFilePath : appImagePath);
    if (path.isEmpty() || !QDir::isAbsolutePath(path) || hasControlCharacter(path)) {
        return std::nullopt;
    }
    for (const QString& temporary :
         {QDir::tempPath(), QStringLiteral("/tmp"), QStringLiteral("/var/tmp"),
          QStringLiteral("/dev/shm"), QStringLiteral("/proc")}) {
        if (isWithin(path, temporary)) {
            return std::nullopt;
        }
    }
    if (isInBuildTree(path)) {
        return std::nullopt;
    }
    return path;
}

std::optional<QString> XdgAutostartLoginItem::installedExecutablePath() {
    return installedExecutablePath(QCoreApplication::applicationFilePath(),
                                   qEnvironmentVariable("APPIMAGE"));
}

QString XdgAutostartLoginItem::entryPath() const {
    return QDir(autostartFolder_).filePath(appIdentity::applicationId + QStringLiteral(".desktop"));
}

LoginItemStatus XdgAutostartLoginItem::status() const {
    if (!executablePath_) {
        return LoginItemStatus::notFound;
    }
    QFile file(entryPath());
    if (!file.exists()) {
        return LoginItemStatus::notRegistered;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return LoginItemStatus::unavailable;
    }
    const auto entry = desktopEntry::parseMainGroup(QString::fromUtf8(file.readAll()));
    if (!entry) {
        return LoginItemStatus::notRegistered;
    }
    // The desktops' own startup settings switch an entry off with these keys.
    if (desktopEntry::isTrue(entry->value(QStringLiteral("Hidden"))) ||
        desktopEntry::isFalse(entry->value(QStringLiteral("X-GNOME-Autostart-enabled")))) {
        return LoginItemStatus::notRegistered;
    }
    // An entry left behind by a copy that has since moved would start nothing.
    const auto program = desktopEntry::programOfExec(entry->value(QStringLiteral("Exec")));
    const QFileInfo programFile(program.value_or(QString()));
    if (!program || !programFile.isFile() || !programFile.isExecutable()) {
        return LoginItemStatus::notRegistered;
    }
    return LoginItemStatus::enabled;
}

QString XdgAutostartLoginItem::entryText() const {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Comment=Movement breaks you earn with squats\n"
                          "Exec=%2\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(appIdentity::displayName, desktopEntry::execValueFor(*executablePath_));
}

std::optional<QString> XdgAutostartLoginItem::registerItem() {
    if (!executablePath_) {
        return QCoreApplication::translate("XdgAutostartLoginItem", "Quorvantel is not installed.");
    }
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(autostartFolder_).toStdString(), error);
    if (error) {
        return QString::fromStdString(error.message());
    }
    QSaveFile file(entryPath());
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    file.write(entryText().toUtf8());
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

std::optional<QString> XdgAutostartLoginItem::unregisterItem() {
    QFile file(entryPath());
    if (!file.exists() || file.remove()) {
        return std::nullopt;
    }
    return file.errorString();
}

} // namespace qv
