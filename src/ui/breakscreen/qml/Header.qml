// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// The product's name with its on-device promise, and the mode's heading in the middle.
Item {
    id: header
    property real s: 1
    property string heading
    implicitHeight: Theme.space.xxl * 1.75 * s

    Row {
        anchors { left: parent.left; leftMargin: Theme.space.xl * header.s; verticalCenter: parent.verticalCenter }
        spacing: Theme.space.s * header.s
        Picture {
            anchors.verticalCenter: parent.verticalCenter
            source: "../images/mark.svg"
            width: Theme.space.xl * header.s; height: width
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: "Quorvantel"
            color: Theme.breakScreen.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.title * header.s
            font.weight: Font.DemiBold
        }
        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            color: Theme.breakScreen.chip
            border.color: Theme.breakScreen.accentSoft
            radius: height / 2
            width: chip.implicitWidth + Theme.space.m * header.s
            height: chip.implicitHeight + Theme.space.xs * header.s
            Text {
                id: chip
                anchors.centerIn: parent
                text: qsTr("On-device")
                color: Theme.breakScreen.accent
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.caption * header.s
                font.weight: Font.DemiBold
            }
        }
    }

    Text {
        anchors.centerIn: parent
        text: header.heading
        color: Theme.breakScreen.textSecondary
        font.family: Theme.fontFamily
        font.pixelSize: Theme.type.subtitle * header.s
        font.weight: Font.DemiBold
        font.letterSpacing: 4 * header.s
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }
}
