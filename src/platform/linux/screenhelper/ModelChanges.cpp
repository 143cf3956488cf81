// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/screenhelper/ModelChanges.h"

#include <QMetaMethod>
#include <QMetaProperty>

namespace qv {

ModelChanges::ModelChanges(QObject& object, std::function<void()> onChange)
    : onChange_(std::move(onChange)) {
    const QMetaObject* type = object.metaObject();
    const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("changed()"));
    for (int i = type->propertyOffset(); i < type->propertyCount(); ++i) {
        const QMetaProperty property = type->property(i);
        if (property.hasNotifySignal()) {
            // Several properties share a signal: one connection each is enough.
            connect(&object, property.notifySignal(), this, slot, Qt::UniqueConnection);
        }
    }
}

void ModelChanges::changed() {
    onChange_();
}

} // namespace qv
