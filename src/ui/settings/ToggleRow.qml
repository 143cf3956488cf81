// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls.Fusion
import QtQuick.Layouts
import Quorvantel.Theme

// A setting that is on or off: the title at the left, the switch at the right. The whole row
// toggles, so a click on the words works too.
RowLayout {
    id: row
    property string title
    property bool checked
    property alias control: toggle
    signal toggled(bool checked)

    Layout.fillWidth: true
    Layout.minimumHeight: Theme.hitTarget
    spacing: Theme.space.s

    Text {
        text: row.title
        Layout.fillWidth: true
        Layout.alignment: Qt.AlignVCenter
        elide: Text.ElideRight
        font.family: Theme.fontFamily
        font.pixelSize: Theme.type.body
        color: row.enabled ? Theme.window.text : Theme.window.textSecondary
        MouseArea {
            anchors.fill: parent
            onClicked: if (row.enabled) { toggle.toggle(); toggle.toggled() }
        }
    }

    Switch {
        id: toggle
        Layout.alignment: Qt.AlignVCenter
        padding: 0
        implicitWidth: indicator.implicitWidth
        implicitHeight: indicator.implicitHeight
        checked: row.checked
        // The store has the last word; keep following it after the user's click.
        onToggled: {
            row.toggled(checked)
            checked = Qt.binding(() => row.checked)
        }
        Accessible.name: row.title

        indicator: Rectangle {
            implicitWidth: 40
            implicitHeight: 22
            x: toggle.leftPadding
            y: (toggle.height - height) / 2
            radius: height / 2
            color: toggle.checked ? Theme.window.accent : Theme.settingsWindow.switchTrack
            opacity: toggle.enabled ? 1 : 0.45
            border.width: toggle.visualFocus ? 2 : 0
            border.color: Theme.settingsWindow.focusRing

            Rectangle {
                width: 18
                height: 18
                radius: 9
                y: 2
                x: toggle.checked ? parent.width - width - 2 : 2
                color: "#ffffff"
                Behavior on x { NumberAnimation { duration: 120 } }
            }
        }
        contentItem: Item { }
    }
}
