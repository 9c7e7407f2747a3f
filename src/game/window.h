// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The narrow interface through which the game logic reaches the screen, the dialogs and
// the message boxes. The Qt main window implements it; tests script it.

#include <cstddef>
#include <optional>
#include <string>

#include "game/gamestate.h"

namespace ninebox {

struct PrintPage;

enum class Buttons { ok, yesNo };
enum class Answer { ok, yes, no };

struct FileChoice {
    enum class Outcome { chosen, cancelled, failed };
    Outcome outcome = Outcome::cancelled;
    std::string path;  // full path when chosen
};

struct PrintChoice {
    std::optional<PrintButton> printChoice;  // none when the dialog was closed
    bool puzzle = true;                      // "Print Puzzle" ticked
    bool answers = false;                    // "Print Answers if available" ticked
};

class Window {
public:
    virtual ~Window() = default;

    // Paints the whole board from the state into the retained image (background to labels).
    virtual void paint(const GameState& state) = 0;
    // Wipes the clock reading and draws this one over it.
    virtual void paintClock(const std::string& reading) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void setMenusVisible(bool visible) = 0;
    virtual void setChecked(Item item, bool on) = 0;

    // Modal dialogs. The game dialog's buttons call back into Game::dealRandom and
    // Game::dealNumber before it hides.
    virtual void showGameDialog() = 0;
    virtual std::optional<AnswersChoice> showAnswersDialog() = 0;  // none when closed
    virtual PrintChoice showPrintDialog() = 0;
    virtual void showAbout() = 0;
    virtual void setInstructionsVisible(bool visible) = 0;

    virtual Answer message(const std::string& text, const std::string& title, Buttons buttons) = 0;
    virtual FileChoice chooseOpenFile(const std::string& start) = 0;
    virtual FileChoice chooseSaveFile(const std::string& start) = 0;
    virtual void print(const PrintPage& page) = 0;

    // The system clipboard's text ("" when it holds none), none when it is longer than limit
    // (it is then not copied at all); and text put on it.
    virtual std::optional<std::string> clipboardText(std::size_t limit) = 0;
    virtual void setClipboardText(const std::string& text) = 0;
};

}  // namespace ninebox
