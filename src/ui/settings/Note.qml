// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import Quorvantel.Theme

// Secondary explanation under a control.
Text {
    Layout.fillWidth: true
    wrapMode: Text.WordWrap
    font.family: Theme.fontFamily
    font.pixelSize: Theme.type.caption
    lineHeight: 1.15
    color: Theme.window.textSecondary
    Accessible.role: Accessible.StaticText
    Accessible.name: text
}
