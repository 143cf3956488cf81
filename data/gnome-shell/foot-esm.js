
export default class QuorvantelBreakExtension extends Extension {
    enable() {
        this._service = new BreakService();
    }

    disable() {
        this._service.destroy();
        this._service = null;
    }
}
