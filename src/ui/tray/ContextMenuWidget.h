// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/menubar/ContextMenuDescription.h"

#include <functional>

class QMenu;

namespace qv {

// Replaces the menu's items with the description's; a chosen item calls back with its action.
void fillMenu(QMenu& menu, const QList<MenuEntry>& entries,
              const std::function<void(TrayAction)>& onAction);

} // namespace qv
