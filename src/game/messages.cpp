// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/messages.h"

namespace ninebox {

bool asksYesNo(Message message) {
    return message == Message::gameFileExists || message == Message::answersFileExists;
}

}  // namespace ninebox
