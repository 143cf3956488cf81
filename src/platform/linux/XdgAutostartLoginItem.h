// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/services/LoginItemService.h"

#include <QString>
#include <optional>

namespace qv {

// Launch at login through an XDG autostart entry: a desktop entry in the autostart folder of
// the user's configuration, running the installed executable by its absolute path. The entry
// starts the application when it exists, is not hidden, is not switched off by the GNOME key,
// and still names a program that exists.
class XdgAutostartLoginItem final : public LoginItemService {
public:
    // executablePath empty: this copy is not installed where a login could start it.
    XdgAutostartLoginItem(QString autostartFolder, std::optional<QString> executablePath);

    // $XDG_CONFIG_HOME/autostart.
    static QString defaultAutostartFolder();
    // Where this process was started from, when that place will still be there at the next
    // login: not a build tree, not a temporary folder, not the mount of a running AppImage
    // (the AppImage file itself is used then).
    static std::optional<QString> installedExecutablePath(const QString& applicationFilePath,
                                                          const QString& appImagePath);
    static std::optional<QString> installedExecutablePath();

    QString entryPath() const;

    LoginItemStatus status() const override;
    std::optional<QString> registerItem() override;
    std::optional<QString> unregisterItem() override;

private:
    QString entryText() const;

    QString autostartFolder_;
    std::optional<QString> executablePath_;
};

} // namespace qv
