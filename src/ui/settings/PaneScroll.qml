// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls.Fusion
import QtQuick.Layouts
import Quorvantel.Theme

// One pane: its title and its sections in a column of readable width that scrolls.
Flickable {
    id: pane
    property string title
    default property alias content: column.data

    clip: true
    contentWidth: width
    contentHeight: column.implicitHeight + 2 * Theme.space.l
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar { }

    // Keeps the control that has keyboard focus in view.
    function reveal(item) {
        if (!item || !column.contains(column.mapFromItem(item, 0, 0)))
            return
        const top = item.mapToItem(column, 0, 0).y + Theme.space.l
        const bottom = top + item.height
        if (top < contentY)
            contentY = Math.max(0, top - Theme.space.l)
        else if (bottom > contentY + height)
            contentY = Math.min(contentHeight - height, bottom - height + Theme.space.l)
    }

    ColumnLayout {
        id: column
        x: Theme.space.l
        y: Theme.space.l
        width: Math.min(pane.width - 2 * Theme.space.l, 600)
        spacing: Theme.space.l

        Text {
            text: pane.title
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.title
            font.weight: Font.DemiBold
            color: Theme.window.text
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }
    }
}
