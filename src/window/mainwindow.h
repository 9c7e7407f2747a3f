// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board window: menus, the board view, the clock's timer and every dialog. It forwards
// events to Game and shows what Game asks for; it holds no game logic of its own.

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "disk/diskfilesystem.h"
#include "game/game.h"
#include "game/window.h"
#include "rules/generator.h"

class QAction;
class QMenu;
class QPrinter;

namespace ninebox {

class BoardView;
class NewGameDialog;
class PrintDialog;
class BookletDialog;
class AboutDialog;
class AnswersDialog;
class Instructions;

// Where printed pages go: by default the system's printer (or a PDF file the player names);
// tests send them to a file of their own.
using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;

class MainWindow final : public QMainWindow, public Window {
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // What the game shows, and the choices kept between runs (window/settings.h).
    const GameState& state() const { return game_.state(); }
    Preferences preferences() const { return game_.preferences(); }
    void applyPreferences(const Preferences& choices);
    // The game in progress kept in the file at path, and kept a last time as the program ends
    // (window/keptgame.h).
    void keepGameIn(const std::string& path) { game_.keepProgressIn(path); }
    void endGame() { game_.end(); }
    // The game file named at start, loaded instead of a first game dealt.
    void openAtStart(std::string path) { startFile_ = std::move(path); }
    BoardView& board() { return *board_; }
    // A menu command's action by its item or its name ("newGame", "checkSolved", ...).
    QAction* action(Item item);
    QAction* command(const char* name);

    // Window
    void paint(const GameState& state, bool answerShown) override;
    void paintClock(std::int64_t seconds) override;
    void setCaption(const Caption& caption) override;
    void setMenusVisible(bool visible) override;
    void notice(const Notice& notice) override;
    GameChoice chooseGame(Level level) override;
    std::optional<AnswersChoice> chooseAnswers() override;
    PrintChoice choosePrint() override;
    BookletChoice chooseBooklet() override;
    void showAbout() override;
    void setInstructionsVisible(bool visible) override;
    Answer message(Message message, const Subject& subject) override;
    FileChoice chooseOpenFile(const std::string& start) override;
    FileChoice chooseSaveFile(const std::string& start) override;
    void print(const PrintPage& page) override;
    void printBooklet(const std::vector<PrintPage>& pages) override;
    std::optional<std::string> clipboardText(std::size_t limit) override;
    void setClipboardText(const std::string& text) override;

    void setPrinterSource(PrinterSource source) { printerSource_ = std::move(source); }

Q_SIGNALS:
    // A check mark changed, or a file dialog was answered: a choice kept between runs may
    // have changed.
    void choicesChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void addShortcuts();
    void openMenuBar();
    void mirrorChecks();
    void printPages(const std::vector<PrintPage>& pages, bool printerDialog);
    void switchedOn(Item item);
    int outerWidthTwips() const;
    template <typename Result>
    Result backFromModal(Result result);
    template <typename Result>
    Result backFromSystemDialog(Result result);

    SplitMixGenerator generator_;
    DiskFileSystem files_;
    Game game_;
    BoardView* board_ = nullptr;
    std::array<QMenu*, 4> menus_{};
    std::array<QAction*, static_cast<std::size_t>(Item::count)> checkable_{};
    std::array<bool, static_cast<std::size_t>(Item::count)> checks_{};  // as last mirrored
    QTimer clockTimer_;
    bool shown_ = false;
    std::string startFile_;
    bool started_ = false;           // the first game is on the board
    bool altAlone_ = false;          // Alt is down, and no other key went down since
    bool menusOpenedByKey_ = false;  // F10 or Alt showed the bar, whatever the corner says
    bool quietActivation_ = false;   // the next activation ends a system dialog the game opened

    // Dialogs are made on first use and then only hidden, so they keep their state.
    NewGameDialog* newGameDialog_ = nullptr;
    PrintDialog* printDialog_ = nullptr;
    BookletDialog* bookletDialog_ = nullptr;
    AboutDialog* aboutDialog_ = nullptr;
    AnswersDialog* answersDialog_ = nullptr;
    Instructions* instructions_ = nullptr;
    PrinterSource printerSource_;
};

}  // namespace ninebox
