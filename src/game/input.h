// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Input as the game takes it, by meaning: the window turns its devices' events into these.

namespace ninebox {

enum class MouseButton { left, right, other };

// Keys with a meaning of their own on the board; `other` is any key that types nothing (F1,
// Shift, Home): it only draws the board again, which takes an answer shown away.
enum class Key { left, right, up, down, enter, del, other };

}  // namespace ninebox
