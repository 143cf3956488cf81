// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import Quorvantel.Theme

// Soft paper pieces drifting down and turning. Placed on a fixed pattern, so every run and
// every screen looks the same; started part-way, so the first frame is already full. They
// fall on either side of a clear middle, where the words are: pieces passing between the
// letters made the sentence hard to read.
Item {
    id: confetti
    property real s: 1
    property bool running: false
    // The share of the width in the middle that no piece crosses.
    property real clearMiddle: 0.46
    readonly property var colors: [Theme.breakScreen.accent, Theme.breakScreen.success,
                                   Theme.breakScreen.confettiMint, Theme.breakScreen.text]
    clip: true

    Repeater {
        model: 70
        Rectangle {
            id: piece
            required property int index
            readonly property real lane: ((index * 37) % 70) / 70
            readonly property real across: lane < 0.5 ? lane * (1 - confetti.clearMiddle)
                                                      : lane * (1 - confetti.clearMiddle) + confetti.clearMiddle
            readonly property real phase: ((index * 53) % 97) / 97
            readonly property int fallMs: 5200 + (index * 131) % 2600
            width: (8 + index % 4 * 3) * confetti.s
            height: width * (index % 3 === 0 ? 1 : 0.45)
            radius: index % 3 === 0 ? width / 2 : 1
            color: confetti.colors[index % 4]
            opacity: 0.85
            x: across * (confetti.width - width) + Math.sin(progress * 6.28 + index) * 12 * confetti.s
            property real progress: phase
            y: -height + progress * (confetti.height + height)
            rotation: progress * 720 * (index % 2 ? 1 : -1)
            NumberAnimation on progress {
                running: confetti.running
                from: piece.phase; to: 1
                duration: piece.fallMs * (1 - piece.phase)
                onFinished: { piece.progress = 0; loop.start() }
            }
            NumberAnimation {
                id: loop
                target: piece; property: "progress"
                from: 0; to: 1; duration: piece.fallMs
                loops: Animation.Infinite
            }
        }
    }
}
