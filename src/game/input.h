// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ninebox {

enum class MouseButton { left, right, other };

// other: a key that types nothing (F1, Home); it redraws, taking a shown answer away. modifier:
// Shift, Ctrl, Alt or Meta alone; the same, but never resumes a paused game (it may begin a shortcut).
enum class Key { left, right, up, down, enter, del, other, modifier };

}  // namespace ninebox
