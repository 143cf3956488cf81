// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import Quorvantel.Controls
import Quorvantel.Theme

// One number with its caption on a card.
Card {
    id: tile
    property string caption
    property string value
    property color valueColor: Theme.window.text
    property int valueSize: Theme.type.headline

    Layout.fillWidth: true
    implicitHeight: column.implicitHeight + 2 * Theme.space.m
    Accessible.role: Accessible.StaticText
    Accessible.name: tile.value + " " + tile.caption.toLowerCase()

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: Theme.space.m
        spacing: 2
        Text {
            text: tile.value
            font.family: Theme.fontFamily
            font.pixelSize: tile.valueSize
            font.weight: Font.DemiBold
            color: tile.valueColor
        }
        Text {
            text: tile.caption
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.caption
            font.weight: Font.DemiBold
            font.letterSpacing: 0.6
            color: Theme.window.textSecondary
        }
    }
}
