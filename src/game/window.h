// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The narrow interface through which the game reaches the screen, the dialogs and the message
// boxes. The Qt main window implements it; tests script it. Everything goes by meaning: the
// window makes the texts and hands back what the player chose.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/gamestate.h"
#include "game/messages.h"

namespace ninebox {

struct PrintPage;

class Window {
public:
    virtual ~Window() = default;

    // Draws the whole board from the state into the retained image; answerShown: with the
    // selected cell's answer in the box above the board.
    virtual void paint(const GameState& state, bool answerShown) = 0;
    // Wipes the clock's reading and draws this one.
    virtual void paintClock(std::int64_t seconds) = 0;
    virtual void setCaption(const Caption& caption) = 0;
    virtual void setMenusVisible(bool visible) = 0;
    // Said once to a screen reader's listener, once the command's drawing is done.
    virtual void notice(const Notice& notice) = 0;

    // Modal dialogs, each answering what the player chose. level: the one the game dialog's
    // random button names.
    virtual GameChoice chooseGame(Level level) = 0;
    virtual std::optional<AnswersChoice> chooseAnswers() = 0;  // none when closed
    virtual PrintChoice choosePrint() = 0;
    virtual BookletChoice chooseBooklet() = 0;
    virtual void showAbout() = 0;
    virtual void setInstructionsVisible(bool visible) = 0;

    virtual Answer message(Message message, const Subject& subject = {}) = 0;
    virtual FileChoice chooseOpenFile(const std::string& start) = 0;
    virtual FileChoice chooseSaveFile(const std::string& start) = 0;
    virtual void print(const PrintPage& page) = 0;
    // Pages through the system's printer dialog (or into a PDF file, with no printer).
    virtual void printBooklet(const std::vector<PrintPage>& pages) = 0;

    // The system clipboard's text ("" when it holds none); none when it is longer than limit,
    // and then it is not copied at all.
    virtual std::optional<std::string> clipboardText(std::size_t limit) = 0;
    virtual void setClipboardText(const std::string& text) = 0;
};

}  // namespace ninebox
