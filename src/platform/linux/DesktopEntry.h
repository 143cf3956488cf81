// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <optional>

namespace qv::desktopEntry {

// The values of the [Desktop Entry] group of a desktop entry file, keys as written (localised
// keys such as Name[de] are kept apart). Empty when the text has no such group.
std::optional<QHash<QString, QString>> parseMainGroup(const QString& text);

// An Exec value that runs exactly this program, whatever characters its path holds.
QString execValueFor(const QString& program);
// The program an Exec value runs: its first argument, unquoted; empty when it has none or
// its quoting is broken.
std::optional<QString> programOfExec(const QString& execValue);

// Booleans as GLib reads them, which is what the desktops that honour these entries use.
bool isTrue(const QString& value);
bool isFalse(const QString& value);

} // namespace qv::desktopEntry
