// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Read in parts on a connection of its own, so that a text over the limit is never held whole
// (Qt holds a clipboard whole, three times over while it converts it).

#include <cstddef>
#include <string>

namespace ninebox {

enum class ClipboardRead {
    text,     // the text, at most limit bytes of UTF-8
    tooLong,  // more than limit bytes: none of it kept
    unknown,  // no X display, the clipboard ours, or an owner with no UTF-8 text or no answer
};

ClipboardRead readXClipboard(std::size_t limit, std::string& text);

}  // namespace ninebox
