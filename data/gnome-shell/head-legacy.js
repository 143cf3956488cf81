// SPDX-License-Identifier: GPL-3.0-or-later
// GNOME Shell 43 and 44 load extensions as legacy GJS modules.
'use strict';

const {Clutter, Gio, GLib, St} = imports.gi;
const Main = imports.ui.main;
const PanelMenu = imports.ui.panelMenu;
const PopupMenu = imports.ui.popupMenu;
