// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import Quorvantel.Controls
import Quorvantel.Theme
import Quorvantel.Settings

PaneScroll {
    id: pane
    required property SettingsViewModel viewModel
    required property LaunchAtLoginController launchAtLogin
    required property UpdaterService updater

    title: qsTr("General")

    Section {
        title: qsTr("Startup")
        ToggleRow {
            objectName: "launchAtLoginToggle"
            text: qsTr("Launch at login")
            enabled: pane.launchAtLogin !== null
            checked: pane.launchAtLogin ? pane.launchAtLogin.isOn : false
            onToggled: checked => pane.launchAtLogin.setEnabled(checked)
        }
        Note {
            objectName: "launchAtLoginStatus"
            visible: text.length > 0
            text: pane.launchAtLogin ? pane.launchAtLogin.statusMessage : ""
        }
        Button {
            pill: false
            visible: pane.launchAtLogin !== null && pane.launchAtLogin.requiresApproval
                     && pane.viewModel.canOpenSystemSettings
            text: qsTr("Open Startup Applications Settings")
            onClicked: pane.viewModel.openLoginItemsSettings()
        }
    }

    Section {
        title: qsTr("Tray")
        Text {
            text: qsTr("Quorvantel lives here and counts down to the next break.")
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.body
            color: Theme.window.text
        }
        PanelPreview {
            Layout.fillWidth: true
        }
    }

    Section {
        title: qsTr("One-minute heads-up")
        Note {
            text: qsTr("The alert lets you start now or add five minutes before Quorvantel takes over the screen. Clicking the alert itself never starts the break.")
        }
        StatusRow {
            objectName: "notificationStatus"
            symbol: pane.viewModel.notificationRow.symbol
            text: pane.viewModel.notificationRow.text
            buttonTitle: pane.viewModel.notificationRow.buttonTitle
            onActivated: pane.viewModel.notificationAction()
        }
    }

    Section {
        title: qsTr("Updates")
        ToggleRow {
            objectName: "automaticUpdatesToggle"
            text: qsTr("Check for updates automatically")
            enabled: pane.updater !== null
            checked: pane.updater ? pane.updater.automaticallyChecksForUpdates : false
            onToggled: checked => pane.updater.automaticallyChecksForUpdates = checked
        }
        Note {
            text: qsTr("Update checks are optional and can also be started manually.")
        }
        RowLayout {
            spacing: Theme.space.s
            Button {
                objectName: "checkNowButton"
                pill: false
                text: qsTr("Check now")
                enabled: pane.updater !== null && pane.updater.canCheckForUpdates
                onClicked: pane.updater.checkForUpdates()
            }
            Text {
                objectName: "updateCheckResult"
                text: pane.viewModel.updateCheckText
                Layout.fillWidth: true
                wrapMode: Text.WordWrap
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.caption
                color: Theme.window.textSecondary
            }
        }
    }

    Section {
        title: qsTr("Privacy")
        StatusRow {
            symbol: SettingsViewModel.Lock
            text: qsTr("No accounts and no analytics. Camera frames stay on this computer and are discarded once counted. Update checks are optional.")
        }
    }
}
