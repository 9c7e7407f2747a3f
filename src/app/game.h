#pragma once
// The game: the state and every command of the board window, named as the window's event
// handlers. It reaches the screen only through Window, chance only through Generator and
// files only through FileSystem, so every command runs headless.

#include <functional>
#include <string>

#include "app/gamestate.h"
#include "app/window.h"

namespace ninebox {

class Generator;
class FileSystem;

enum class MouseButton { left = 1, right = 2, other = 4 };

// Key codes of Form_KeyDown.
namespace key {
constexpr int enter = 13;
constexpr int left = 37;
constexpr int up = 38;
constexpr int right = 39;
constexpr int down = 40;
constexpr int del = 46;
}  // namespace key

class Game {
public:
    // timeOfDay: seconds since local midnight, fraction included; seeds random game numbers.
    Game(Window& window, Generator& generator, FileSystem& files, std::function<double()> timeOfDay);

    GameState& state() { return s_; }
    const GameState& state() const { return s_; }
    Generator& generator() { return rng_; }

    // Window life
    void Form_activate();
    bool Form_Unload();  // true when the program should end
    void showboard();
    void Timer1_Timer();

    // Game menu and on-board buttons
    void ng_Click();
    void rst_Click();
    void pmd_Click();
    void sh_Click();
    void em_Click();
    void af_Click();
    void cs_Click();

    // Options menu
    void sb_Click();
    void stm_Click();
    void wonka_Click();
    void rwa_Click();
    void snds_Click();
    void instruc_Click();
    void abt_Click();

    // Level menu
    void randoc_Click();
    void easoc_Click();
    void medoc_Click();
    void Hardoc_Click();

    // The Vault menu
    void ent_Click();
    void sa_Click();
    void pg_Click();

    // Game dialog: the caption of its random button, and its two buttons.
    std::string Form2_Activate() const;
    void Form2_Command1_Click();
    void Form2_Command2_Click(const std::string& text);

    // Input, in board units (x -70..220, y 0..220).
    void Form_MouseDown(MouseButton button, double x, double y);
    void Form_KeyDown(int keyCode);
    void Form_KeyPress(int charCode);

    // Procedures
    void pandora();
    void numdate();
    void makemap();
    bool ansvalid() const;

    // The file dialogs start from the path chosen last in either of them.
    const std::string& lastPath() const { return lastPath_; }

private:
    void setCheck(Item item, bool on);
    void toggleCheck(Item item);
    void setMode(Mode mode);
    void chooseLevel(Item item, std::int16_t levelsel);
    void dealRecord();
    void titleFromPath(const std::string& path);
    std::string answersText() const;

    GameState s_;
    Window& ui_;
    Generator& rng_;
    FileSystem& files_;
    std::function<double()> timeOfDay_;
    std::string lastPath_;
};

}  // namespace ninebox
