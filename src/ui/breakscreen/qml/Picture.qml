// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// A picture drawn at the size it shows. Kept out of the shared picture cache: the break's
// windows go when the break ends, and cached copies would outlive them by minutes in a program
// that then waits in the tray all day.
Image {
    sourceSize.width: width
    sourceSize.height: height
    cache: false
}
