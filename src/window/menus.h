// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menu bar as a table. Tests and scripts find a command by its object name.

#include <QKeySequence>
#include <functional>
#include <optional>
#include <vector>

#include "game/game.h"

namespace ninebox {

struct MenuItem {
    const char* name;
    const char* caption;
    std::function<void(Game&)> run;  // none: shown greyed out
    std::optional<Item> check;
    QKeySequence shortcut = {};
};

struct Menu {
    const char* name;
    const char* caption;
    std::vector<MenuItem> items;
};

const std::vector<Menu>& menuTable();  // in the menu bar's order

}  // namespace ninebox
