// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/storage/KeyValueStore.h"

#include <QHash>

namespace qv::test {

// An in-memory store that counts what is written to it, to prove that quiet work writes
// nothing.
class RecordingKeyValueStore final : public KeyValueStore {
public:
    int writeCount() const { return writes_; }
    void resetCount() { writes_ = 0; }
    QStringList keys() const { return values_.keys(); }

protected:
    std::optional<QVariant> readRaw(const QString& key) const override {
        const auto it = values_.constFind(key);
        return it == values_.constEnd() ? std::nullopt : std::optional<QVariant>(*it);
    }
    void writeRaw(const QString& key, const QVariant& value) override {
        ++writes_;
        values_.insert(key, value);
    }
    void removeRaw(const QString& key) override {
        ++writes_;
        values_.remove(key);
    }

private:
    QHash<QString, QVariant> values_;
    int writes_ = 0;
};

} // namespace qv::test
