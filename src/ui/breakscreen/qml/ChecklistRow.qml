// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// One framing condition with its check mark.
Row {
    id: row
    property real s: 1
    property string text
    property bool met: false
    spacing: Theme.space.s * s
    Accessible.role: Accessible.CheckBox
    Accessible.name: text
    Accessible.checked: met
    Picture {
        anchors.verticalCenter: parent.verticalCenter
        source: row.met ? "../images/check-on.svg" : "../images/check-off.svg"
        width: Theme.space.xl * row.s; height: width
    }
    Label {
        anchors.verticalCenter: parent.verticalCenter
        s: row.s
        size: Theme.type.title
        color: row.met ? Theme.breakScreen.text : Theme.breakScreen.textSecondary
        text: row.text
    }
}
