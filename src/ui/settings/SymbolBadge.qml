// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// A small round status symbol, drawn here so it looks the same under every icon theme.
Rectangle {
    id: badge
    property string symbol: "info"
    readonly property var glyphs: ({ "ready": "\u2713", "warning": "!", "info": "i", "question": "?", "lock": "\u2022" })

    implicitWidth: 20
    implicitHeight: 20
    radius: width / 2
    color: Theme.settingsWindow.symbolColors[symbol] ?? Theme.window.textSecondary
    Accessible.ignored: true

    Text {
        anchors.centerIn: parent
        text: badge.glyphs[badge.symbol] ?? ""
        color: "white"
        font.family: Theme.fontFamily
        font.pixelSize: 13
        font.weight: Font.Bold
    }
}
