// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menu bar as a table: each menu's items in order, with the action's object name (tests
// and scripts find a command by it), its caption (its mnemonic marked with "&"), the command
// it runs, the check mark it mirrors and the key that runs it without the menu.

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

// The Vault, Game, Options and Level, in the order of the menu bar.
const std::vector<Menu>& menuTable();

}  // namespace ninebox
