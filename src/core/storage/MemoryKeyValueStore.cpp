// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/MemoryKeyValueStore.h"

namespace qv {

std::optional<QVariant> MemoryKeyValueStore::readRaw(const QString& key) const {
    const auto it = values_.constFind(key);
    if (it == values_.constEnd()) {
        return std::nullopt;
    }
    return *it;
}

void MemoryKeyValueStore::writeRaw(const QString& key, const QVariant& value) {
    values_.insert(key, value);
}

void MemoryKeyValueStore::removeRaw(const QString& key) {
    values_.remove(key);
}

} // namespace qv
