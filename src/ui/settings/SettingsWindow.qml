// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Fusion
import QtQuick.Layouts
import Quorvantel.Theme
import Quorvantel.Settings

// The settings window: a side list of five panes and the chosen pane. Every control writes
// straight to the settings store, which keeps values in range and saves them at once.
ApplicationWindow {
    id: window
    required property SettingsWindowModel model
    readonly property SettingsViewModel viewModel: model.texts
    property string damagedFileNotice: ""

    title: qsTr("Quorvantel Settings")
    width: 820
    height: 640
    minimumWidth: 640
    minimumHeight: 420
    color: Theme.window.background
    font.family: Theme.fontFamily
    font.pixelSize: Theme.type.body

    palette.window: Theme.window.background
    palette.windowText: Theme.window.text
    palette.base: Theme.window.surface
    palette.alternateBase: Theme.window.background
    palette.text: Theme.window.text
    palette.button: Theme.window.surface
    palette.buttonText: Theme.window.text
    palette.highlight: Theme.window.accent
    palette.highlightedText: Theme.window.textOnAccent
    palette.mid: Theme.window.separator
    palette.dark: Theme.window.separator
    palette.placeholderText: Theme.window.textSecondary

    Shortcut {
        sequence: "Escape"
        context: Qt.WindowShortcut
        onActivated: window.close()
    }

    // Scroll whatever gets keyboard focus into view.
    onActiveFocusItemChanged: {
        const current = panes.children[panes.currentIndex]
        if (current && current.reveal)
            current.reveal(activeFocusItem)
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            Layout.fillHeight: true
            Layout.preferredWidth: 196
            color: Theme.window.sidebar

            ColumnLayout {
                anchors.fill: parent
                anchors.margins: Theme.space.s
                anchors.topMargin: Theme.space.l
                spacing: Theme.space.xs

                Text {
                    text: qsTr("SETTINGS")
                    Layout.leftMargin: Theme.space.s
                    Layout.bottomMargin: Theme.space.xs
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.type.caption
                    font.weight: Font.DemiBold
                    font.letterSpacing: 0.8
                    color: Theme.window.textSecondary
                }

                ListView {
                    id: paneList
                    objectName: "paneList"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    model: window.viewModel.paneTitles
                    currentIndex: window.viewModel.pane
                    onCurrentIndexChanged: window.viewModel.pane = currentIndex
                    focus: true
                    activeFocusOnTab: true
                    keyNavigationEnabled: true
                    interactive: false
                    spacing: 2
                    Accessible.role: Accessible.List
                    Accessible.name: qsTr("Settings panes")

                    delegate: Rectangle {
                        id: entry
                        required property int index
                        required property string modelData
                        readonly property bool selected: ListView.isCurrentItem
                        width: ListView.view.width
                        height: Theme.hitTarget
                        radius: 8
                        color: selected ? Theme.window.selection : "transparent"
                        border.width: selected && paneList.activeFocus ? 2 : 0
                        border.color: Theme.window.accent
                        Accessible.role: Accessible.ListItem
                        Accessible.name: modelData
                        Accessible.selected: selected

                        PaneIcon {
                            id: icon
                            pane: entry.index
                            anchors.left: parent.left
                            anchors.leftMargin: Theme.space.s
                            anchors.verticalCenter: parent.verticalCenter
                            color: entry.selected ? Theme.window.selectionText : Theme.window.textSecondary
                        }
                        Text {
                            anchors.left: icon.right
                            anchors.leftMargin: Theme.space.s
                            anchors.verticalCenter: parent.verticalCenter
                            text: entry.modelData
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.type.body
                            font.weight: entry.selected ? Font.DemiBold : Font.Normal
                            color: entry.selected ? Theme.window.selectionText : Theme.window.text
                        }
                        MouseArea {
                            anchors.fill: parent
                            onClicked: {
                                window.viewModel.pane = entry.index
                                paneList.forceActiveFocus()
                            }
                        }
                    }
                }
            }
        }

        Rectangle {
            Layout.fillHeight: true
            implicitWidth: 1
            color: Theme.window.separator
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 0

            // Settings or statistics that could not be saved, whatever pane is shown.
            Text {
                objectName: "saveProblems"
                visible: text.length > 0
                text: window.model.saveProblems ? window.model.saveProblems.notice : ""
                Layout.fillWidth: true
                Layout.margins: Theme.space.m
                wrapMode: Text.WordWrap
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.body
                color: Theme.window.text
                Accessible.role: Accessible.AlertMessage
                Accessible.name: text
            }

            StackLayout {
                id: panes
                Layout.fillWidth: true
                Layout.fillHeight: true
                currentIndex: window.viewModel.pane

                GeneralPane {
                    objectName: "generalPane"
                    viewModel: window.viewModel
                    launchAtLogin: window.model.launchAtLogin
                    updater: window.model.updater
                }
                BreaksPane {
                    objectName: "breaksPane"
                    settings: window.model.settings
                    viewModel: window.viewModel
                    breakHold: window.model.breakHold
                }
                MovementPane {
                    objectName: "movementPane"
                    settings: window.model.settings
                    viewModel: window.viewModel
                    cameras: window.model.cameras
                }
                StatsPane {
                    objectName: "statsPane"
                    stats: window.model.stats
                    damagedFileNotice: window.damagedFileNotice
                }
                AboutPane {
                    objectName: "aboutPane"
                    viewModel: window.viewModel
                }
            }
        }
    }
}
