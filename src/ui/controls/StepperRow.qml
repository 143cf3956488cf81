// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import Quorvantel.Theme

// A number setting: its title, the value as the model writes it, and minus and plus. The row
// takes the keyboard itself; the arrow keys step.
FocusScope {
    id: stepper

    property string title
    property int value
    property int from
    property int to
    property int stepSize: 1
    property string valueText
    // Past one end continues at the other (times of day).
    property bool wrap: false
    property SurfaceColors colors: Theme.window
    signal stepped(int value)

    readonly property bool canDecrease: wrap || value > from
    readonly property bool canIncrease: wrap || value < to

    function step(direction) {
        const span = to - from + 1
        const moved = value + direction * stepSize
        const next = wrap ? from + ((moved - from) % span + span) % span
                          : Math.min(to, Math.max(from, moved))
        if (next !== value)
            stepped(next)
    }

    Layout.fillWidth: true
    implicitWidth: row.implicitWidth
    implicitHeight: Math.max(Theme.hitTarget, row.implicitHeight)
    activeFocusOnTab: true

    Keys.onUpPressed: step(1)
    Keys.onRightPressed: step(1)
    Keys.onDownPressed: step(-1)
    Keys.onLeftPressed: step(-1)

    Accessible.role: Accessible.SpinBox
    Accessible.name: title
    Accessible.description: valueText
    Accessible.focusable: true
    Accessible.onIncreaseAction: step(1)
    Accessible.onDecreaseAction: step(-1)

    RowLayout {
        id: row
        anchors.fill: parent
        spacing: Theme.space.s

        Text {
            text: stepper.title
            Layout.fillWidth: true
            elide: Text.ElideRight
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.body
            font.weight: Font.Medium
            color: stepper.enabled ? stepper.colors.text : stepper.colors.textSecondary
        }

        // A box of steady width, so the buttons stay put while the value changes.
        Item {
            implicitWidth: Math.max(76, valueLabel.implicitWidth + 2 * Theme.space.s)
            implicitHeight: 30
            Text {
                id: valueLabel
                anchors.right: parent.right
                anchors.rightMargin: Theme.space.s
                anchors.verticalCenter: parent.verticalCenter
                text: stepper.valueText
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.body
                font.weight: Font.DemiBold
                color: stepper.enabled ? stepper.colors.text : stepper.colors.textSecondary
            }
            FocusRing {
                visible: stepper.activeFocus
                anchors.margins: 0
                cornerRadius: 6
                colors: stepper.colors
            }
        }

        StepButton {
            glyph: "\u2212"
            ink: stepper.colors.text
            enabled: stepper.enabled && stepper.canDecrease
            onClicked: stepper.step(-1)
        }
        StepButton {
            glyph: "+"
            ink: stepper.colors.text
            enabled: stepper.enabled && stepper.canIncrease
            onClicked: stepper.step(1)
        }
    }
}
