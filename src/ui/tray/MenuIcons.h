// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QIcon>
#include <QString>

namespace qv {

// The desktop's theme icon when the theme has it, else a drawing of our own tinted with the
// menu's text colour so it reads on light and dark menus.
QIcon menuIcon(const QString& themeName, const QColor& ink);
bool hasOwnMenuIcon(const QString& themeName);
// Our own drawing as PNG, for hosts that show a menu from D-Bus.
QByteArray ownMenuIconPng(const QString& themeName, const QColor& ink, int size = 16);

} // namespace qv
