// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// An act's title and the line under it.
Column {
    property alias title: titleText.text
    property alias subtitle: subtitleText.text
    spacing: Theme.space.xs
    Text {
        id: titleText
        width: parent.width
        wrapMode: Text.WordWrap
        color: Theme.window.text
        font.family: Theme.fontFamily
        font.pixelSize: Theme.type.headline + 4
        font.weight: Font.Bold
    }
    Text {
        id: subtitleText
        width: parent.width
        visible: text.length > 0
        wrapMode: Text.WordWrap
        color: Theme.window.textSecondary
        font.family: Theme.fontFamily
        font.pixelSize: Theme.type.subtitle
    }
}
