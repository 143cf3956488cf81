
class QuorvantelBreakExtension {
    enable() {
        this._service = new BreakService();
    }

    disable() {
        this._service.destroy();
        this._service = null;
    }
}

function init() {
    return new QuorvantelBreakExtension();
}
