// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// The product's mark: a ring that is almost closed, as the countdown draws it in the tray.
Rectangle {
    implicitWidth: 72
    implicitHeight: 72
    radius: 18
    gradient: Gradient {
        GradientStop { position: 0; color: Theme.darkDesktop ? "#3aa9e6" : "#1587d1" }
        GradientStop { position: 1; color: Theme.darkDesktop ? "#1c5f8f" : "#0a5a94" }
    }
    Accessible.ignored: true

    Rectangle {
        anchors.centerIn: parent
        width: 34
        height: 34
        radius: 17
        color: "transparent"
        border.width: 5
        border.color: "#ffffff"
        antialiasing: true
    }
    Rectangle {
        x: parent.width / 2 - 3
        y: parent.height / 2 - 22
        width: 6
        height: 10
        radius: 3
        color: "#ffffff"
    }
}
