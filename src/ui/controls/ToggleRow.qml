// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import Quorvantel.Theme

// A setting that is on or off: its words at the left, a switch at the right, and an optional
// line of explanation (or the reason it could not change) under the words. The whole row
// toggles, so a click on the words works too. It reports the state asked for and shows
// whatever it is told is checked: the store keeps the last word.
Item {
    id: row

    property string text
    property string detail
    // The detail tells why the setting could not change.
    property bool warning: false
    property bool checked: false
    // On a card of its own, or as one line inside a section's card.
    property bool card: false
    property SurfaceColors colors: Theme.window
    // The switch itself, for whatever needs to point at it.
    readonly property alias control: track

    signal toggled(bool checked)

    function toggle() {
        if (enabled)
            toggled(!checked)
    }

    readonly property real inset: card ? Theme.space.m : 0

    Layout.fillWidth: true
    implicitWidth: words.implicitWidth + track.width + Theme.space.s + 2 * inset
    implicitHeight: card ? Math.max(Theme.hitTarget + Theme.space.l, words.implicitHeight + 2 * inset)
                         : Math.max(Theme.hitTarget, words.implicitHeight)
    activeFocusOnTab: true

    Accessible.role: Accessible.CheckBox
    Accessible.name: text
    Accessible.description: detail
    Accessible.checkable: true
    Accessible.checked: checked
    Accessible.focusable: true
    Accessible.onPressAction: toggle()
    Accessible.onToggleAction: toggle()
    Keys.onSpacePressed: toggle()

    Card {
        anchors.fill: parent
        visible: row.card
        colors: row.colors
    }

    Column {
        id: words
        anchors {
            left: parent.left; right: track.left; verticalCenter: parent.verticalCenter
            leftMargin: row.inset; rightMargin: Theme.space.s
        }
        spacing: 2
        Text {
            width: parent.width
            text: row.text
            elide: Text.ElideRight
            color: row.enabled ? row.colors.text : row.colors.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.body
            font.weight: row.card ? Font.DemiBold : Font.Normal
        }
        Text {
            width: parent.width
            visible: text.length > 0
            text: row.detail
            wrapMode: Text.WordWrap
            color: row.warning ? row.colors.success : row.colors.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.caption
        }
    }

    Rectangle {
        id: track
        anchors { right: parent.right; rightMargin: row.inset; verticalCenter: parent.verticalCenter }
        width: 40
        height: 22
        radius: height / 2
        color: row.checked ? row.colors.accent : row.colors.switchTrack
        opacity: row.enabled ? 1 : 0.45

        Rectangle {
            width: parent.height - 4
            height: width
            radius: width / 2
            y: 2
            x: row.checked ? parent.width - width - 2 : 2
            color: row.colors.onFill
            Behavior on x { NumberAnimation { duration: 120 } }
        }
    }

    FocusRing {
        visible: row.activeFocus
        anchors.fill: row.card ? row : track
        cornerRadius: row.card ? Theme.radius : track.radius
        colors: row.colors
    }

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: row.toggle()
    }
}
