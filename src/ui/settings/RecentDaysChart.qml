// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Quorvantel.Controls
import Quorvantel.Theme
import Quorvantel.Settings

// The last fourteen days as bars, oldest at the left, today at the right.
Card {
    id: card
    required property StatsPaneModel stats
    readonly property bool hasChart: card.stats !== null && card.stats.hasChart

    Layout.fillWidth: true
    implicitHeight: column.implicitHeight + 2 * Theme.space.m

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: Theme.space.m
        spacing: Theme.space.s

        RowLayout {
            Layout.fillWidth: true
            Text {
                text: qsTr("LAST 14 DAYS")
                Layout.fillWidth: true
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.caption
                font.weight: Font.DemiBold
                font.letterSpacing: 0.6
                color: Theme.window.textSecondary
            }
            Text {
                objectName: "bestText"
                visible: card.hasChart
                text: card.stats ? card.stats.bestText : ""
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.caption
                font.weight: Font.DemiBold
                font.letterSpacing: 0.6
                color: Theme.window.accent
            }
        }

        Item {
            id: chart
            objectName: "chart"
            visible: card.hasChart
            Layout.fillWidth: true
            implicitHeight: 132
            readonly property real barsHeight: height - letterHeight
            readonly property real letterHeight: 22
            onBarsHeightChanged: if (card.stats) card.stats.chartHeight = barsHeight
            Component.onCompleted: if (card.stats) card.stats.chartHeight = barsHeight

            Row {
                anchors.fill: parent
                spacing: Theme.space.xs
                Repeater {
                    model: card.stats ? card.stats.bars : []
                    delegate: Item {
                        id: bar
                        required property chartBar modelData
                        width: (chart.width - 13 * Theme.space.xs) / 14
                        height: chart.height
                        Accessible.role: Accessible.Graphic
                        Accessible.name: bar.modelData.accessibleLabel

                        Rectangle {
                            anchors.bottom: parent.bottom
                            anchors.bottomMargin: chart.letterHeight
                            anchors.horizontalCenter: parent.horizontalCenter
                            width: Math.min(parent.width, 26)
                            height: bar.modelData.kind === StatsPaneModel.Empty ? 4 : bar.modelData.height
                            radius: Math.min(5, width / 2)
                            color: bar.modelData.kind === StatsPaneModel.Today ? Theme.window.chartToday
                                 : bar.modelData.kind === StatsPaneModel.Empty ? Theme.window.separator
                                 : Theme.window.accent
                            opacity: bar.modelData.kind === StatsPaneModel.Normal ? 0.3 : 1
                        }
                        Text {
                            anchors.bottom: parent.bottom
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: bar.modelData.weekday
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.type.caption
                            color: Theme.window.textSecondary
                        }
                    }
                }
            }
        }

        ColumnLayout {
            objectName: "emptyState"
            visible: !card.hasChart
            Layout.fillWidth: true
            Layout.topMargin: Theme.space.m
            Layout.bottomMargin: Theme.space.m
            spacing: Theme.space.xs
            Text {
                text: qsTr("READY TO MOVE")
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.subtitle
                font.weight: Font.DemiBold
                font.letterSpacing: 0.8
                color: Theme.window.text
            }
            Text {
                text: qsTr("Complete a movement break to draw your first bar.")
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.body
                color: Theme.window.textSecondary
            }
        }
    }
}
