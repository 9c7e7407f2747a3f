#pragma once
// A stand-in for the board window: records what the game shows and answers every dialog
// from a script, so commands run headless.

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/game.h"
#include "app/window.h"
#include "files/printpage.h"

namespace ninebox::testing {

struct Message {
    std::string text, title;
    Buttons buttons;
};

class ScriptedWindow : public Window {
public:
    // Scripted answers, taken front first; an empty script answers Cancel/closed/OK/No.
    std::deque<std::function<void(Game&)>> gameDialog;  // runs inside showGameDialog
    std::deque<std::optional<std::int16_t>> answersDialog;
    std::deque<PrintChoice> printDialog;
    std::deque<Answer> answers;  // for Yes/No message boxes
    std::deque<FileChoice> files;
    Game* game = nullptr;  // set by the fixture; the game dialog script needs it

    // What was shown.
    int paints = 0;
    std::vector<GameState> painted;  // only while keepPaints is set
    bool keepPaints = false;
    std::vector<std::string> clockReadings;
    std::string caption = "Ninebox1";
    bool menusVisible = false;
    std::map<Item, bool> checks;
    std::vector<Message> messages;
    std::vector<std::string> fileDialogStarts;
    std::vector<PrintPage> printed;
    bool instructionsVisible = false;
    int aboutShown = 0, gameDialogShown = 0;

    void paint(const GameState& state) override {
        ++paints;
        if (keepPaints) painted.push_back(state);
    }
    void paintClock(const std::string& reading) override { clockReadings.push_back(reading); }
    void setCaption(const std::string& text) override { caption = text; }
    void setMenusVisible(bool visible) override { menusVisible = visible; }
    void setChecked(Item item, bool on) override { checks[item] = on; }
    void showGameDialog() override {
        ++gameDialogShown;
        if (gameDialog.empty()) return;
        auto step = gameDialog.front();
        gameDialog.pop_front();
        step(*game);
    }
    std::optional<std::int16_t> showAnswersDialog() override { return take(answersDialog, std::optional<std::int16_t>{}); }
    PrintChoice showPrintDialog() override { return take(printDialog, PrintChoice{-1, true, false}); }
    void showAbout() override { ++aboutShown; }
    void setInstructionsVisible(bool visible) override { instructionsVisible = visible; }
    Answer message(const std::string& text, const std::string& title, Buttons buttons) override {
        messages.push_back({text, title, buttons});
        return buttons == Buttons::ok ? Answer::ok : take(answers, Answer::no);
    }
    FileChoice chooseOpenFile(const std::string& start) override {
        fileDialogStarts.push_back(start);
        return take(files, FileChoice{});
    }
    FileChoice chooseSaveFile(const std::string& start) override {
        fileDialogStarts.push_back(start);
        return take(files, FileChoice{});
    }
    void print(const PrintPage& page) override { printed.push_back(page); }

private:
    template <typename T>
    static T take(std::deque<T>& script, T otherwise) {
        if (script.empty()) return otherwise;
        T value = script.front();
        script.pop_front();
        return value;
    }
};

}  // namespace ninebox::testing
