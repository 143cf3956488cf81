// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/storage/KeyValueStore.h"

#include <QHash>

namespace qv {

class MemoryKeyValueStore final : public KeyValueStore {
public:
    QStringList keys() const { return values_.keys(); }

protected:
    std::optional<QVariant> readRaw(const QString& key) const override;
    void writeRaw(const QString& key, const QVariant& value) override;
    void removeRaw(const QString& key) override;

private:
    QHash<QString, QVariant> values_;
};

} // namespace qv
