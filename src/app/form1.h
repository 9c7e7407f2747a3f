#pragma once
// The board window: menus, the board view, the clock's timer and every dialog. It forwards
// events to Game and shows what Game asks for; it holds no game logic of its own.

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>

#include "app/game.h"
#include "app/window.h"
#include "files/filesystem.h"
#include "puzzles/generator.h"

class QAction;
class QMenu;

namespace ninebox {

class BoardView;

class Form1 final : public QMainWindow, public Window {
    Q_OBJECT

public:
    Form1();
    ~Form1() override;

    Game& game() { return game_; }
    BoardView& board() { return *board_; }
    QAction* action(Item item) const { return checkable_[static_cast<std::size_t>(item)]; }

    // Window
    void paint(const GameState& state) override;
    void paintClock(const std::string& reading) override;
    void setCaption(const std::string& caption) override;
    void setMenusVisible(bool visible) override;
    void setChecked(Item item, bool on) override;
    void showGameDialog() override;
    std::optional<std::int16_t> showAnswersDialog() override;
    PrintChoice showPrintDialog() override;
    void showAbout() override;
    void setInstructionsVisible(bool visible) override;
    Answer message(const std::string& text, const std::string& title, Buttons buttons) override;
    FileChoice chooseOpenFile(const std::string& start) override;
    FileChoice chooseSaveFile(const std::string& start) override;
    void print(const PrintPage& page) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption, void (Game::*command)());
    // Our own modal windows hand activation back to the board, as the platform would.
    void activateLater();
    int outerWidthTwips() const;

    SplitMixGenerator generator_;
    DiskFileSystem files_;
    Game game_;
    BoardView* board_ = nullptr;
    std::array<QMenu*, 4> menus_{};
    std::array<QAction*, static_cast<std::size_t>(Item::count)> checkable_{};
    QTimer timer1_;
    bool shown_ = false;
};

}  // namespace ninebox
