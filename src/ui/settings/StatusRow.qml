// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import Quorvantel.Controls
import Quorvantel.Theme
import Quorvantel.Settings

// A state the user may want to act on: a round symbol, a sentence and an optional button.
RowLayout {
    id: status
    property int symbol: SettingsViewModel.Info
    property string text
    property string buttonTitle
    // The button's objectName, for whatever looks it up.
    property string buttonName
    property alias button: action
    signal activated()

    Layout.fillWidth: true
    spacing: Theme.space.s

    SymbolBadge {
        symbol: status.symbol
        Layout.alignment: Qt.AlignTop
        Layout.topMargin: 1
    }

    Text {
        text: status.text
        Layout.fillWidth: true
        wrapMode: Text.WordWrap
        font.family: Theme.fontFamily
        font.pixelSize: Theme.type.body
        color: Theme.window.text
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    Button {
        id: action
        objectName: status.buttonName
        Layout.alignment: Qt.AlignTop
        visible: status.buttonTitle.length > 0
        pill: false
        text: status.buttonTitle
        onClicked: status.activated()
    }
}
