// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// The one button: a filled primary action, an outlined secondary one, a quiet one that shows
// its words until pointed at, and a link in running text. It draws with the colours of the
// surface it sits on (the desktop windows' unless told) and grows with the break screen's
// scale. Drawn here rather than taken from Qt Quick Controls: the tray's popover opens often,
// and the Controls' libraries would stay in memory all day after it closed.
Item {
    id: button

    enum Kind { Primary, Secondary, Quiet, Link }
    // Heights: compact for lists inside a card, regular, large for an act's own buttons,
    // huge for the break screen.
    enum Size { Compact, Regular, Large, Huge }

    property int kind: Button.Secondary
    property int size: Button.Regular
    property string text
    // A second, smaller line under the words.
    property string detail
    // "→" after the words, for the button that moves on.
    property bool showArrow: false
    // Fully rounded ends, or the corners of a small card.
    property bool pill: true
    property int horizontalAlignment: Text.AlignHCenter
    property real sizeScale: 1
    property SurfaceColors colors: Theme.window

    readonly property bool down: pointer.pressed
    readonly property bool hovered: pointer.containsMouse
    readonly property bool isLink: kind === Button.Link
    readonly property real fontSize: (size === Button.Huge ? Theme.type.subtitle
                                      : size === Button.Large ? Theme.type.body + 1
                                      : Theme.type.body) * sizeScale
    readonly property real baseHeight: size === Button.Huge ? Theme.space.xxl + Theme.grid
                                       : size === Button.Large ? Theme.hitTarget + Theme.grid
                                       : size === Button.Compact ? Theme.hitTarget - Theme.grid
                                       : Theme.hitTarget
    readonly property real sidePadding: isLink ? 0
                                        : (size >= Button.Large ? Theme.space.l
                                           : Theme.space.s) * sizeScale
    readonly property color ink: kind === Button.Primary ? colors.textOnAccent
                                 : isLink ? colors.accent : colors.text

    signal clicked()

    function activate() {
        if (enabled)
            clicked()
    }

    implicitWidth: words.implicitWidth + 2 * sidePadding
    implicitHeight: isLink ? words.implicitHeight
                           : Math.max((baseHeight + (detail.length > 0 ? Theme.space.s : 0))
                                      * sizeScale, words.implicitHeight + Theme.grid)
    opacity: enabled ? 1 : 0.5
    activeFocusOnTab: true

    Accessible.role: isLink ? Accessible.Link : Accessible.Button
    Accessible.name: text
    Accessible.description: detail
    Accessible.focusable: true
    Accessible.onPressAction: activate()
    Keys.onSpacePressed: activate()
    Keys.onReturnPressed: activate()
    Keys.onEnterPressed: activate()

    Rectangle {
        id: face
        anchors.fill: parent
        visible: !button.isLink
        radius: button.pill ? height / 2 : Theme.controlRadius * button.sizeScale
        color: button.kind === Button.Primary ? (button.down ? button.colors.accentPressed
                                                             : button.colors.accent)
             : button.down ? button.colors.pressed
             : button.hovered ? button.colors.hover
             : button.kind === Button.Secondary ? button.colors.surface : "transparent"
        border.width: button.kind === Button.Secondary ? Math.max(1, button.sizeScale) : 0
        border.color: button.colors.separator
    }

    Column {
        id: words
        anchors.verticalCenter: parent.verticalCenter
        x: button.sidePadding
        width: parent.width - 2 * button.sidePadding
        Row {
            id: line
            spacing: Theme.space.xs * button.sizeScale
            anchors.horizontalCenter: button.horizontalAlignment === Text.AlignHCenter
                                      ? parent.horizontalCenter : undefined
            Text {
                id: label
                text: button.text
                color: button.ink
                font.family: Theme.fontFamily
                font.pixelSize: button.fontSize
                font.weight: button.kind === Button.Primary || button.isLink
                             || button.size >= Button.Large ? Font.DemiBold : Font.Normal
                font.underline: button.isLink && (button.hovered || button.activeFocus)
            }
            Text {
                visible: button.showArrow
                text: "→"
                color: button.ink
                font: label.font
            }
        }
        Text {
            visible: button.detail.length > 0
            width: parent.width
            text: button.detail
            horizontalAlignment: button.horizontalAlignment
            color: button.kind === Button.Primary ? button.colors.textOnAccent
                                                  : button.colors.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.caption * button.sizeScale
        }
    }

    FocusRing {
        visible: button.activeFocus && !button.isLink
        cornerRadius: face.radius
        colors: button.colors
    }

    MouseArea {
        id: pointer
        anchors.fill: parent
        // A link is as tall as its words: its target reaches past them.
        anchors.margins: button.isLink ? -Theme.grid : 0
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.activate()
    }
}
