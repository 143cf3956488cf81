// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme
import Quorvantel.Settings

// A small round status symbol, drawn here so it looks the same under every icon theme.
Rectangle {
    id: badge
    property int symbol: SettingsViewModel.Info

    implicitWidth: 20
    implicitHeight: 20
    radius: width / 2
    color: symbol === SettingsViewModel.Ready ? Theme.window.ready
         : symbol === SettingsViewModel.Warning ? Theme.window.warning
         : symbol === SettingsViewModel.Question ? Theme.window.neutral
         : Theme.window.accent
    Accessible.ignored: true

    Text {
        anchors.centerIn: parent
        text: badge.symbol === SettingsViewModel.Ready ? "\u2713"
            : badge.symbol === SettingsViewModel.Warning ? "!"
            : badge.symbol === SettingsViewModel.Question ? "?"
            : badge.symbol === SettingsViewModel.Lock ? "\u2022" : "i"
        color: Theme.window.onFill
        font.family: Theme.fontFamily
        font.pixelSize: 13
        font.weight: Font.Bold
    }
}
