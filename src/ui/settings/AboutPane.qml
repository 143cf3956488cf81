// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import Quorvantel.Controls
import Quorvantel.Theme
import Quorvantel.Settings

PaneScroll {
    id: pane
    required property SettingsViewModel viewModel

    title: qsTr("About")

    RowLayout {
      Layout.fillWidth: true
      spacing: Theme.space.l
      ProductMark { Layout.alignment: Qt.AlignTop }
      ColumnLayout {
        Layout.fillWidth: true
        spacing: Theme.space.xs
        Text {
            text: "Quorvantel"
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.headline
            font.weight: Font.Bold
            color: Theme.window.text
        }
        Text {
            objectName: "versionText"
            text: qsTr("Version %1").arg(pane.viewModel.versionText)
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.body
            color: Theme.window.textSecondary
        }
        Text {
            text: qsTr("A break your body completes.")
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.subtitle
            color: Theme.window.text
            Layout.topMargin: Theme.space.s
        }
      }
    }

    Section {
        title: qsTr("Links")
        LinkRow {
            title: qsTr("Website")
            address: pane.viewModel.websiteText
            onActivated: Qt.openUrlExternally(pane.viewModel.websiteUrl)
        }
        LinkRow {
            title: qsTr("Support")
            address: pane.viewModel.supportEmail
            onActivated: Qt.openUrlExternally(pane.viewModel.supportUrl)
        }
    }
}
