// SPDX-License-Identifier: GPL-3.0-or-later
// Quorvantel's countdown and tray menu in the top bar, for a shell with no tray host. Shown
// while the application is on the bus and no StatusNotifierWatcher is: where one runs (the
// AppIndicator extension), the application's tray item is already in the top bar. The menu is
// the application's own, read over the dbusmenu protocol when it opens, so its titles and
// enabled states are those of that moment.

const appName = 'com.tamsorek.Quorvantel';
const appPanelPath = '/com/tamsorek/Quorvantel/Panel';
const appPanelInterface = 'com.tamsorek.Quorvantel.Panel1';
const appMenuPath = '/com/tamsorek/Quorvantel/Menu';
const appMenuInterface = 'com.canonical.dbusmenu';
const trayHostName = 'org.kde.StatusNotifierWatcher';

// dbusmenu labels mark a mnemonic with '_' and write a literal one as '__'.
function plainLabel(label) {
    return (label ?? '').replace(/_(_?)/g, '$1');
}

// The button itself, for one running application (its unique bus name).
class PanelItem {
    constructor(owner) {
        this._owner = owner;
        this._menuLoaded = false;
        this._button = new PanelMenu.Button(0.5, 'Quorvantel', false);
        this._label = new St.Label({text: '', y_align: Clutter.ActorAlign.CENTER});
        this._button.add_child(this._label);
        this._button.menu.connect('open-state-changed', (_menu, open) => {
            if (open)
                this._loadMenu();
        });
        this._subscriptions = [
            Gio.DBus.session.signal_subscribe(owner, appPanelInterface, 'LabelChanged',
                appPanelPath, null, Gio.DBusSignalFlags.NONE,
                (_bus, _sender, _path, _interface, _signal, parameters) => {
                    [this._label.text] = parameters.deep_unpack();
                    // Asked before the application had published its menu: ask again.
                    if (!this._menuLoaded)
                        this._loadMenu();
                }),
            // Items came or went (a pause offers "Resume"): read the menu again.
            Gio.DBus.session.signal_subscribe(owner, appMenuInterface, 'LayoutUpdated',
                appMenuPath, null, Gio.DBusSignalFlags.NONE, () => this._loadMenu()),
        ];
        Main.panel.addToStatusArea('quorvantel', this._button);
        this._call(appPanelPath, 'org.freedesktop.DBus.Properties', 'Get',
            new GLib.Variant('(ss)', [appPanelInterface, 'Label']),
            reply => {
                this._label.text = reply.recursiveUnpack()[0];
            });
        this._loadMenu();
    }

    get label() {
        return this._label.text;
    }

    destroy() {
        for (const subscription of this._subscriptions)
            Gio.DBus.session.signal_unsubscribe(subscription);
        this._button.destroy();
    }

    _call(path, iface, method, parameters, answered) {
        Gio.DBus.session.call(this._owner, path, iface, method, parameters, null,
            Gio.DBusCallFlags.NONE, -1, null, (bus, result) => {
                try {
                    answered(bus.call_finish(result));
                } catch (error) {
                    logError(error, 'Quorvantel did not answer');
                }
            });
    }

    _loadMenu() {
        this._call(appMenuPath, appMenuInterface, 'GetLayout',
            new GLib.Variant('(iias)', [0, -1, []]), reply => {
                const [, [, , children]] = reply.recursiveUnpack();
                this._button.menu.removeAll();
                this._fill(this._button.menu, children);
                this._menuLoaded = true;
            });
    }

    _fill(menu, entries) {
        for (const [id, properties, children] of entries) {
            if (properties.visible === false)
                continue;
            if (properties.type === 'separator') {
                menu.addMenuItem(new PopupMenu.PopupSeparatorMenuItem());
            } else if (properties['children-display'] === 'submenu') {
                const submenu = new PopupMenu.PopupSubMenuMenuItem(plainLabel(properties.label));
                this._fill(submenu.menu, children);
                menu.addMenuItem(submenu);
            } else {
                const item = new PopupMenu.PopupMenuItem(plainLabel(properties.label));
                item.setSensitive(properties.enabled !== false);
                item.connect('activate', () => this._click(id));
                menu.addMenuItem(item);
            }
        }
    }

    _click(id) {
        this._call(appMenuPath, appMenuInterface, 'Event',
            new GLib.Variant('(isvu)', [id, 'clicked', GLib.Variant.new_int32(0),
                global.get_current_time()]), () => {});
    }
}

// Decides whether the button is there: the application on the bus, and no tray host.
class PanelPresence {
    constructor(onChanged) {
        this._onChanged = onChanged;
        this._owner = null;
        this._trayHost = false;
        this._item = null;
        this._appWatch = Gio.bus_watch_name_on_connection(Gio.DBus.session, appName,
            Gio.BusNameWatcherFlags.NONE,
            (_bus, _name, owner) => this._update(owner, this._trayHost),
            () => this._update(null, this._trayHost));
        this._hostWatch = Gio.bus_watch_name_on_connection(Gio.DBus.session, trayHostName,
            Gio.BusNameWatcherFlags.NONE,
            () => this._update(this._owner, true),
            () => this._update(this._owner, false));
    }

    get shown() {
        return this._item !== null;
    }

    destroy() {
        Gio.bus_unwatch_name(this._appWatch);
        Gio.bus_unwatch_name(this._hostWatch);
        this._update(null, this._trayHost);
    }

    _update(owner, trayHost) {
        const changed = owner !== this._owner || trayHost !== this._trayHost;
        this._owner = owner;
        this._trayHost = trayHost;
        if (!changed)
            return;
        const wasShown = this.shown;
        this._item?.destroy();
        this._item = owner !== null && !trayHost ? new PanelItem(owner) : null;
        if (wasShown !== this.shown)
            this._onChanged(this.shown);
    }
}
