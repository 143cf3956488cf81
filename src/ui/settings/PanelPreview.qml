// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Quorvantel.Theme

// A drawing of a desktop panel with the countdown in the tray, to show where to look.
Rectangle {
    id: preview
    implicitHeight: 34
    radius: 8
    color: Theme.darkDesktop ? "#0e1116" : "#2a2f38"
    Accessible.role: Accessible.Graphic
    Accessible.name: qsTr("Tray preview with the Quorvantel countdown")

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: Theme.space.s
        anchors.rightMargin: Theme.space.s
        spacing: Theme.space.s

        Repeater {
            model: 3
            delegate: Rectangle {
                required property int index
                implicitWidth: index === 0 ? 44 : 28
                implicitHeight: 8
                radius: 4
                color: "#ffffff"
                opacity: 0.18
            }
        }
        Item { Layout.fillWidth: true }

        Rectangle {
            implicitWidth: mark.implicitWidth + 14
            implicitHeight: 24
            radius: 6
            color: "#30ffffff"
            RowLayout {
                id: mark
                anchors.centerIn: parent
                spacing: 5
                Rectangle {
                    implicitWidth: 12; implicitHeight: 12; radius: 6
                    color: "transparent"; border.color: "#ffffff"; border.width: 2
                }
                Text {
                    text: "49:58"
                    color: "#ffffff"
                    font.family: Theme.fixedFontFamily
                    font.pixelSize: Theme.type.body
                    font.weight: Font.DemiBold
                }
            }
        }
        Text {
            text: "10:24"
            color: "#ffffff"
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.body
        }
    }
}
