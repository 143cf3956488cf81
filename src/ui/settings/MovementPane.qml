// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls.Fusion
import QtQuick.Layouts
import Quorvantel.Controls
import Quorvantel.Theme
import Quorvantel.Settings

PaneScroll {
    id: pane
    required property SettingsStore settings
    required property SettingsViewModel viewModel
    required property CameraChoiceList cameras

    title: qsTr("Movement")

    Section {
        title: qsTr("Verification")
        ToggleRow {
            objectName: "cameraVerificationToggle"
            text: qsTr("Verify exercise with camera")
            checked: pane.settings.cameraVerificationEnabled
            onToggled: checked => pane.settings.cameraVerificationEnabled = checked
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.space.s
            Text {
                text: qsTr("Exercise")
                Layout.fillWidth: true
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.body
                font.weight: Font.Medium
                color: Theme.window.text
            }
            ComboBox {
                objectName: "exercisePicker"
                implicitWidth: 220
                model: pane.viewModel.exerciseTitles
                currentIndex: pane.viewModel.exerciseIndex
                onActivated: index => {
                    pane.viewModel.exerciseIndex = index
                    currentIndex = Qt.binding(() => pane.viewModel.exerciseIndex)
                }
                Accessible.name: qsTr("Exercise")
            }
        }
        StepperRow {
            objectName: "repetitionsStepper"
            title: qsTr("Repetitions per break")
            value: pane.settings.squatRepetitions
            from: pane.settings.repetitionsRange.lowest
            to: pane.settings.repetitionsRange.highest
            valueText: pane.viewModel.repetitionsText
            onStepped: value => pane.settings.squatRepetitions = value
        }
        Note {
            objectName: "verificationDescription"
            text: pane.viewModel.verificationDescription
        }
    }

    Section {
        title: qsTr("Camera")
        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.space.s
            Text {
                text: qsTr("Device")
                Layout.fillWidth: true
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.body
                font.weight: Font.Medium
                color: Theme.window.text
            }
            ComboBox {
                id: devicePicker
                objectName: "cameraPicker"
                implicitWidth: 260
                model: pane.cameras
                textRole: "name"
                currentIndex: pane.cameras.currentIndex
                onActivated: index => {
                    pane.cameras.choose(index)
                    currentIndex = Qt.binding(() => pane.cameras.currentIndex)
                }
                Accessible.name: qsTr("Camera device")
            }
        }
        StatusRow {
            objectName: "cameraMissingWarning"
            visible: pane.cameras.isSelectedCameraMissing
            symbol: SettingsViewModel.Warning
            text: qsTr("The selected camera is not connected. Breaks will use another available camera until it returns.")
            buttonTitle: qsTr("Use Automatic")
            onActivated: pane.cameras.useAutomatic()
        }
        StatusRow {
            objectName: "cameraAccess"
            symbol: pane.viewModel.cameraAccessRow.symbol
            text: pane.viewModel.cameraAccessRow.text
            buttonTitle: pane.viewModel.cameraAccessRow.buttonTitle
            onActivated: pane.viewModel.cameraAccessAction()
        }
    }

    Section {
        title: qsTr("Feedback")
        ToggleRow {
            objectName: "soundToggle"
            text: qsTr("Play sounds for accepted reps and completed breaks")
            checked: pane.settings.soundEnabled
            onToggled: checked => pane.settings.soundEnabled = checked
        }
        Note {
            text: qsTr("Audio lets you keep moving without watching the screen. Turn it off for quiet rooms; visual cues always remain.")
        }
    }

    Section {
        title: qsTr("Privacy")
        StatusRow {
            symbol: SettingsViewModel.Lock
            text: qsTr("Verification stays on this computer. Frames go from the camera to on-device pose tracking to a rep count, then they are gone.")
        }
    }
}
