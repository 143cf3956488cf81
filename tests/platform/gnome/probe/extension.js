// SPDX-License-Identifier: GPL-3.0-or-later
// Test only: the compositor's side of the GNOME break-screen test. Reports what the shell
// shows (windows by stacking, focus, overview, workspace), activates a window as a user's click
// does, types through one virtual keyboard that lives as long as the shell (a keyboard added
// per key would fold a held chord into the next keyboard's enter), and takes screenshots
// in-process, which needs no allowed caller. Reads and clicks Quorvantel's top-bar item, and
// stands in for a tray host by owning its bus name.
'use strict';

const {Clutter, Gio, GLib, Shell} = imports.gi;
const Main = imports.ui.main;

const probeInterface = `
<node>
  <interface name="com.tamsorek.QuorvantelTests.Probe">
    <method name="State"><arg type="s" direction="out"/></method>
    <method name="Activate"><arg type="s" name="title" direction="in"/></method>
    <method name="Keys"><arg type="s" name="steps" direction="in"/></method>
    <method name="HideOverview"/>
    <method name="Screenshot"><arg type="s" name="path" direction="in"/></method>
    <method name="TopBar"><arg type="s" direction="out"/></method>
    <method name="ChooseInTopBar">
      <arg type="s" name="label" direction="in"/>
      <arg type="b" direction="out"/>
    </method>
    <method name="OwnName"><arg type="s" name="name" direction="in"/></method>
    <method name="ReleaseName"><arg type="s" name="name" direction="in"/></method>
    <method name="BeginBreakFromShell">
      <arg type="s" name="title" direction="in"/>
      <arg type="u" name="safetySeconds" direction="in"/>
    </method>
  </interface>
</node>`;

function windowState(window) {
    const rect = window.get_frame_rect();
    return {
        title: window.get_title(), monitor: window.get_monitor(), minimized: window.minimized,
        x: rect.x, y: rect.y, width: rect.width, height: rect.height,
    };
}

// Every item of a popup menu, its submenus' items included.
function menuItems(menu) {
    return menu._getMenuItems().flatMap(item => item.menu ? [item, ...menuItems(item.menu)] : [item]);
}

class Probe {
    enable() {
        this._names = new Map();
        this._keyboard = Clutter.get_default_backend().get_default_seat()
            .create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);
        this._dbus = Gio.DBusExportedObject.wrapJSObject(probeInterface, this);
        this._dbus.export(Gio.DBus.session, '/com/tamsorek/QuorvantelTests/Probe');
    }

    disable() {
        this._dbus.unexport();
        this._keyboard = null;
    }

    State() {
        const windows = global.get_window_actors().map(actor => actor.meta_window)
            .filter(window => !window.is_override_redirect());
        const stacked = global.display.sort_windows_by_stacking(windows);
        const monitors = [];
        for (let i = 0; i < global.display.get_n_monitors(); i++) {
            const rect = global.display.get_monitor_geometry(i);
            monitors.push({x: rect.x, y: rect.y, width: rect.width, height: rect.height});
        }
        const focus = global.display.focus_window;
        return JSON.stringify({
            windows: stacked.map(windowState), monitors,
            focus: focus ? focus.get_title() : null,
            overview: Main.overview.visible,
            startingUp: Main.layoutManager._startingUp,
            workspace: global.workspace_manager.get_active_workspace_index(),
        });
    }

    Activate(title) {
        const window = global.get_window_actors().map(actor => actor.meta_window)
            .find(candidate => candidate.get_title() === title);
        if (window)
            Main.activateWindow(window);
    }

    // Steps separated by spaces: "+N" presses the key with evdev code N and "-N" releases it,
    // as a keyboard does; anything else is typed character by character.
    Keys(steps) {
        const time = () => GLib.get_monotonic_time();
        const state = pressed => pressed ? Clutter.KeyState.PRESSED : Clutter.KeyState.RELEASED;
        for (const step of steps.split(' ')) {
            if (step.startsWith('+') || step.startsWith('-')) {
                this._keyboard.notify_key(time(), Number(step.slice(1)), state(step[0] === '+'));
                continue;
            }
            for (const character of step) {
                const keyval = Clutter.unicode_to_keysym(character.charCodeAt(0));
                this._keyboard.notify_keyval(time(), keyval, state(true));
                this._keyboard.notify_keyval(time(), keyval, state(false));
            }
        }
    }

    TopBar() {
        const button = Main.panel.statusArea['quorvantel'];
        if (!button)
            return JSON.stringify({shown: false});
        return JSON.stringify({
            shown: button.visible,
            label: button.get_first_child().text,
            items: menuItems(button.menu).filter(item => item.label)
                .map(item => ({label: item.label.text, sensitive: item.sensitive})),
        });
    }

    ChooseInTopBar(label) {
        const button = Main.panel.statusArea['quorvantel'];
        const item = button ? menuItems(button.menu).find(i => i.label?.text === label) : null;
        if (!item || !item.sensitive)
            return false;
        item.activate(Clutter.get_current_event());
        return true;
    }

    OwnName(name) {
        this._names.set(name, Gio.bus_own_name_on_connection(Gio.DBus.session, name,
            Gio.BusNameOwnerFlags.NONE, null, null));
    }

    ReleaseName(name) {
        Gio.bus_unown_name(this._names.get(name));
        this._names.delete(name);
    }

    HideOverview() {
        Main.overview.hide();
    }

    ScreenshotAsync([path], invocation) {
        const stream = Gio.File.new_for_path(path)
            .replace(null, false, Gio.FileCreateFlags.NONE, null);
        new Shell.Screenshot().screenshot(false, stream, (shooter, result) => {
            try {
                shooter.screenshot_finish(result);
                stream.close(null);
                invocation.return_value(null);
            } catch (error) {
                invocation.return_gerror(error);
            }
        });
    }

    // A break begun by a bus peer that never leaves (the shell itself), so only the
    // extension's own safety bound can end it.
    BeginBreakFromShellAsync([title, safetySeconds], invocation) {
        Gio.DBus.session.call('org.gnome.Shell', '/com/tamsorek/Quorvantel/Shell',
            'com.tamsorek.Quorvantel.Shell1', 'BeginBreak',
            new GLib.Variant('(su)', [title, safetySeconds]), null, Gio.DBusCallFlags.NONE, -1,
            null, (bus, result) => {
                try {
                    bus.call_finish(result);
                    invocation.return_value(null);
                } catch (error) {
                    invocation.return_gerror(error);
                }
            });
    }
}

function init() {
    return new Probe();
}
