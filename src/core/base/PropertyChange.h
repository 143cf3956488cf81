// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <initializer_list>
#include <utility>

namespace qv {

// Gives member the value; true if that changed it.
template <typename T, typename U> bool replace(T& member, U&& value) {
    if (member == value) {
        return false;
    }
    member = std::forward<U>(value);
    return true;
}

// Emits, in order, the change signal of each property that changed. Called once every
// property holds its new value, so no binding sees half an update.
template <typename Object>
void emitChanged(Object* object,
                 std::initializer_list<std::pair<bool, void (Object::*)()>> changes) {
    for (const auto& [changed, signal] : changes) {
        if (changed) {
            Q_EMIT(object->*signal)();
        }
    }
}

} // namespace qv
