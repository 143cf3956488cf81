// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls.Fusion
import QtQuick.Layouts
import Quorvantel.Theme

// A number setting: title, the value in fixed-width digits, and minus/plus buttons. The row
// takes keyboard focus itself; arrow keys step, the buttons stay out of the Tab chain.
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
    signal stepped(int value)

    Layout.fillWidth: true
    implicitHeight: Math.max(Theme.hitTarget, row.implicitHeight)
    activeFocusOnTab: true

    function step(direction) {
        const span = stepper.to - stepper.from + 1
        const moved = stepper.value + direction * stepper.stepSize
        const next = stepper.wrap ? stepper.from + ((moved - stepper.from) % span + span) % span
                                  : Math.min(stepper.to, Math.max(stepper.from, moved))
        if (next !== stepper.value)
            stepper.stepped(next)
    }

    Keys.onUpPressed: step(1)
    Keys.onRightPressed: step(1)
    Keys.onDownPressed: step(-1)
    Keys.onLeftPressed: step(-1)

    Accessible.role: Accessible.SpinBox
    Accessible.name: stepper.title
    Accessible.description: stepper.valueText
    Accessible.focusable: true

    RowLayout {
        id: row
        anchors.fill: parent
        spacing: Theme.space.s

        Text {
            text: stepper.title
            Layout.fillWidth: true
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.body
            font.weight: Font.Medium
            color: stepper.enabled ? Theme.window.text : Theme.window.textSecondary
        }

        // A box of steady width, so the buttons stay put while the value changes.
        Rectangle {
            implicitWidth: Math.max(76, valueLabel.implicitWidth + 2 * Theme.space.s)
            implicitHeight: 30
            radius: 6
            color: "transparent"
            border.width: stepper.activeFocus ? 2 : 0
            border.color: Theme.settingsWindow.focusRing

            Text {
                id: valueLabel
                anchors.right: parent.right
                anchors.rightMargin: Theme.space.s
                anchors.verticalCenter: parent.verticalCenter
                text: stepper.valueText
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.body
                font.weight: Font.DemiBold
                color: stepper.enabled ? Theme.window.text : Theme.window.textSecondary
            }
        }

        Row {
            spacing: 0
            Repeater {
                model: [{ "sign": "\u2212", "direction": -1 }, { "sign": "+", "direction": 1 }]
                delegate: Button {
                    required property var modelData
                    text: modelData.sign
                    focusPolicy: Qt.NoFocus
                    implicitWidth: 34
                    implicitHeight: 30
                    font.pixelSize: Theme.type.subtitle
                    enabled: stepper.enabled && (stepper.wrap || (modelData.direction < 0
                                                     ? stepper.value > stepper.from
                                                     : stepper.value < stepper.to))
                    autoRepeat: true
                    onClicked: stepper.step(modelData.direction)
                    Accessible.name: (modelData.direction < 0 ? qsTr("Decrease %1") : qsTr("Increase %1")).arg(stepper.title)
                }
            }
        }
    }
}
