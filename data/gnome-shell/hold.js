// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps Quorvantel's break windows in front while the application says a break is on. Mutter
// gives clients no way to stay above others or to keep the keyboard, so the shell does it on
// the application's behalf. Shared by both module formats: the head of each variant brings
// Gio, GLib, Clutter, St, Main, PanelMenu and PopupMenu into scope, its foot turns
// BreakService into an extension. panel.js, beside this, shows the countdown in the top bar.
//
// Why not Main.pushModal: a Clutter stage grab takes keyboard focus away from every Wayland
// client, the break windows included, so the escape chord and the break screen's buttons
// would stop working. What the grab is wanted for is its action mode, which silences every
// shell and window-manager shortcut; filter-keybinding does the same without the grab.

const busPath = '/com/tamsorek/Quorvantel/Shell';
const busInterface = `
<node>
  <interface name="com.tamsorek.Quorvantel.Shell1">
    <method name="BeginBreak">
      <arg type="s" name="windowTitle" direction="in"/>
      <arg type="u" name="safetySeconds" direction="in"/>
    </method>
    <method name="EndBreak"/>
    <property name="Holding" type="b" access="read"/>
    <property name="Version" type="u" access="read"/>
    <property name="ShowsPanelItem" type="b" access="read"/>
  </interface>
</node>`;
const protocolVersion = 1;
// An application that asks for no bound still gets one: the hold never outlives this.
const longestHoldSeconds = 3600;

// One break's hold on the desktop: from begin() until end(), the owner's windows with the
// break title stay above all others on every workspace and keep the keyboard, and no
// shortcut, overview or banner gets between them and the user.
class BreakHold {
    constructor(onChanged) {
        this._onChanged = onChanged;
        this._owner = null;
        // Each held window with its 'unmanaged' handler.
        this._held = new Map();
        this._handlers = [];
        this._refocusId = 0;
    }

    get active() {
        return this._owner !== null;
    }

    begin(owner, pid, title, safetySeconds) {
        if (this._owner !== null && this._owner.name !== owner)
            this.end();
        const starting = this._owner === null;
        if (starting)
            this._connectDesktop();
        else
            this._dropOwner();
        this._owner = {name: owner, pid, title};
        this._owner.watch = Gio.bus_watch_name_on_connection(Gio.DBus.session, owner,
            Gio.BusNameWatcherFlags.NONE, null, () => this.end());
        const seconds = safetySeconds > 0 ? Math.min(safetySeconds, longestHoldSeconds)
            : longestHoldSeconds;
        this._owner.safety = GLib.timeout_add_seconds(GLib.PRIORITY_DEFAULT, seconds, () => {
            this._owner.safety = 0;
            this.end();
            return GLib.SOURCE_REMOVE;
        });
        for (const actor of global.get_window_actors())
            this._consider(actor.meta_window);
        this._refocus();
        if (starting)
            this._onChanged(true);
    }

    end() {
        if (this._owner === null)
            return;
        this._dropOwner();
        this._owner = null;
        for (const [object, id] of this._handlers)
            object.disconnect(id);
        this._handlers = [];
        if (this._refocusId) {
            GLib.source_remove(this._refocusId);
            this._refocusId = 0;
        }
        Main.messageTray.bannerBlocked = false;
        for (const [window, id] of this._held) {
            window.disconnect(id);
            window.unmake_above();
            window.unstick();
        }
        this._held.clear();
        this._onChanged(false);
    }

    _dropOwner() {
        Gio.bus_unwatch_name(this._owner.watch);
        if (this._owner.safety)
            GLib.source_remove(this._owner.safety);
    }

    _connect(object, signal, handler) {
        this._handlers.push([object, object.connect(signal, handler)]);
    }

    _connectDesktop() {
        Main.overview.hide();
        Main.messageTray.bannerBlocked = true;
        // Every window-manager and shell shortcut passes through here first: Super, Alt+Tab,
        // workspace switching, the run dialog, screenshots.
        this._connect(global.window_manager, 'filter-keybinding', () => true);
        this._connect(Main.overview, 'showing', () => Main.overview.hide());
        this._connect(global.display, 'notify::focus-window', () => this._scheduleRefocus());
        this._connect(global.display, 'window-created', (_display, window) => {
            // A Wayland toplevel is created before the client names it.
            const id = window.connect('notify::title', () => this._consider(window));
            const gone = window.connect('unmanaged', () => {
                window.disconnect(id);
                window.disconnect(gone);
            });
            this._consider(window);
        });
    }

    _isBreakWindow(window) {
        return this._owner !== null && window.get_pid() === this._owner.pid &&
            window.get_title() === this._owner.title;
    }

    _consider(window) {
        if (this._held.has(window) || !this._isBreakWindow(window))
            return;
        this._held.set(window, window.connect('unmanaged', () => this._held.delete(window)));
        window.make_above();
        window.stick();
        this._scheduleRefocus();
    }

    // Focus goes back before the next input event is handled: the idle runs at a higher
    // priority than Clutter's event source, so keys meant for the break never reach the
    // window that briefly took focus.
    _scheduleRefocus() {
        if (this._refocusId)
            return;
        this._refocusId = GLib.idle_add(GLib.PRIORITY_HIGH, () => {
            this._refocusId = 0;
            this._refocus();
            return GLib.SOURCE_REMOVE;
        });
    }

    _refocus() {
        if (this._owner === null || this._held.size === 0)
            return;
        const focus = global.display.focus_window;
        if (focus !== null && this._held.has(focus))
            return;
        const monitor = focus !== null ? focus.get_monitor()
            : global.display.get_current_monitor();
        const held = [...this._held.keys()];
        const target = held.find(w => w.get_monitor() === monitor) ?? held[0];
        target.activate(global.display.get_current_time_roundtrip());
    }
}

// The session-bus side: the application begins and ends breaks here, and watching its bus
// name lets the hold end with it even when it crashes. It also reads whether the top bar
// shows its countdown, so it does not tell the user there is no way to reach it.
class BreakService {
    constructor() {
        this._hold = new BreakHold(holding => {
            this._dbus.emit_property_changed('Holding', GLib.Variant.new_boolean(holding));
        });
        this._dbus = Gio.DBusExportedObject.wrapJSObject(busInterface, this);
        this._dbus.export(Gio.DBus.session, busPath);
        this._panel = new PanelPresence(shown => {
            this._dbus.emit_property_changed('ShowsPanelItem', GLib.Variant.new_boolean(shown));
        });
    }

    destroy() {
        this._panel.destroy();
        this._hold.end();
        this._dbus.unexport();
    }

    get ShowsPanelItem() {
        return this._panel.shown;
    }

    get Holding() {
        return this._hold.active;
    }

    get Version() {
        return protocolVersion;
    }

    BeginBreakAsync([title, safetySeconds], invocation) {
        const sender = invocation.get_sender();
        Gio.DBus.session.call('org.freedesktop.DBus', '/org/freedesktop/DBus',
            'org.freedesktop.DBus', 'GetConnectionUnixProcessID',
            new GLib.Variant('(s)', [sender]), new GLib.VariantType('(u)'),
            Gio.DBusCallFlags.NONE, -1, null, (bus, result) => {
                try {
                    const [pid] = bus.call_finish(result).deep_unpack();
                    this._hold.begin(sender, pid, title, safetySeconds);
                    invocation.return_value(null);
                } catch (error) {
                    invocation.return_gerror(error);
                }
            });
    }

    EndBreakAsync(_parameters, invocation) {
        this._hold.end();
        invocation.return_value(null);
    }
}
