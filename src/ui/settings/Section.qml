// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import Quorvantel.Controls
import Quorvantel.Theme

// A titled group of controls on one card.
ColumnLayout {
    id: section
    property string title
    default property alias content: body.data

    Layout.fillWidth: true
    spacing: Theme.space.xs

    Text {
        text: section.title
        font.family: Theme.fontFamily
        font.pixelSize: Theme.type.caption
        font.weight: Font.DemiBold
        font.capitalization: Font.AllUppercase
        font.letterSpacing: 0.6
        color: Theme.window.textSecondary
        Layout.leftMargin: Theme.space.xs
        Accessible.role: Accessible.Heading
        Accessible.name: section.title
    }

    Card {
        Layout.fillWidth: true
        implicitHeight: body.implicitHeight + 2 * Theme.space.m

        ColumnLayout {
            id: body
            anchors.fill: parent
            anchors.margins: Theme.space.m
            spacing: Theme.space.s
        }
    }
}
