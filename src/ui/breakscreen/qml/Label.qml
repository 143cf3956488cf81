// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// Text on the break screen: the desktop's font at a size from the type scale.
Text {
    property real s: 1
    property int size: Theme.type.body
    color: Theme.breakScreen.text
    font.family: Theme.fontFamily
    font.pixelSize: size * s
    wrapMode: Text.WordWrap
    Accessible.role: Accessible.StaticText
    Accessible.name: text
}
