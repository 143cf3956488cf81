// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

namespace qv {

// Hears every property of one object that announces its changes, so that a copy of the
// object kept elsewhere cannot miss a property added later.
class ModelChanges final : public QObject {
    Q_OBJECT

public:
    // Calls onChange after any such property of object changed, for as long as this lives.
    ModelChanges(QObject& object, std::function<void()> onChange);

private Q_SLOTS:
    void changed();

private:
    std::function<void()> onChange_;
};

} // namespace qv
