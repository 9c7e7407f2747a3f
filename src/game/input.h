// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Input as the game takes it, by meaning: the window turns its devices' events into these.

namespace ninebox {

enum class MouseButton { left, right, other };

// Keys with a meaning of their own on the board; `other` is any key that types nothing (F1,
// Home): it only draws the board again, which takes an answer shown away. A `modifier` (Shift,
// Ctrl, Alt, Meta alone) does the same, but never resumes a paused game: it may begin a
// shortcut.
enum class Key { left, right, up, down, enter, del, other, modifier };

}  // namespace ninebox
