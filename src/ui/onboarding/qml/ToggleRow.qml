// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// A switch with its label and one line of explanation (or the reason it could not change).
Rectangle {
    id: row
    property string text
    property string detail
    property bool warning: false
    property bool checked: false
    signal toggled()
    height: Math.max(Theme.hitTarget + Theme.space.l, texts.implicitHeight + Theme.space.m * 2)
    radius: Theme.radius
    color: Theme.window.surface
    border.width: 1
    border.color: Theme.window.separator
    activeFocusOnTab: true
    Accessible.role: Accessible.CheckBox
    Accessible.name: text
    Accessible.description: detail
    Accessible.checkable: true
    Accessible.checked: checked
    Accessible.onPressAction: toggled()
    Accessible.onToggleAction: toggled()
    Keys.onSpacePressed: toggled()

    Column {
        id: texts
        anchors { left: parent.left; right: knob.left; verticalCenter: parent.verticalCenter }
        anchors.leftMargin: Theme.space.m
        anchors.rightMargin: Theme.space.s
        spacing: 2
        Text {
            width: parent.width
            text: row.text
            elide: Text.ElideRight
            color: Theme.window.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.body
            font.weight: Font.DemiBold
        }
        Text {
            width: parent.width
            text: row.detail
            wrapMode: Text.WordWrap
            color: row.warning ? Theme.window.success : Theme.window.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.caption
        }
    }
    Rectangle {
        id: knob
        anchors { right: parent.right; rightMargin: Theme.space.m; verticalCenter: parent.verticalCenter }
        width: Theme.space.xxl; height: Theme.space.l + 2
        radius: height / 2
        color: row.checked ? Theme.window.accent : Theme.window.separator
        Rectangle {
            width: parent.height - 6; height: width; radius: width / 2
            anchors.verticalCenter: parent.verticalCenter
            x: row.checked ? parent.width - width - 3 : 3
            color: "#ffffff"
        }
    }
    FocusRing { visible: row.activeFocus }
    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: row.toggled()
    }
}
