// SPDX-License-Identifier: GPL-3.0-or-later
// GNOME Shell 43 and 44 load extensions as legacy GJS modules.
'use strict';

const {Gio, GLib} = imports.gi;
const Main = imports.ui.main;
