// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import Quorvantel.Theme

// Large numbers whose width does not jump as they change: each digit in a box of its own.
Row {
    id: digits
    property real s: 1
    property string text
    property color color: Theme.breakScreen.text
    readonly property real pixelSize: Theme.counterSize * s
    baselineOffset: probe.baselineOffset
    Text {
        id: probe
        visible: false
        text: "0"
        font.family: Theme.fontFamily
        font.pixelSize: digits.pixelSize
        font.weight: Font.Bold
    }
    Repeater {
        model: digits.text.length
        Text {
            required property int index
            width: digits.text[index] >= "0" && digits.text[index] <= "9" ? probe.implicitWidth : implicitWidth
            horizontalAlignment: Text.AlignHCenter
            text: digits.text[index]
            color: digits.color
            font.family: Theme.fontFamily
            font.pixelSize: digits.pixelSize
            font.weight: Font.Bold
        }
    }
}
