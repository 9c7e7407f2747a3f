// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/mainwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPixmap>
#include <QPrinter>
#include <QShortcut>
#include <QTime>

#include "game/clock.h"
#include "game/printpage.h"
#include "window/board/accessible.h"
#include "window/board/view.h"
#include "window/dialogs/about.h"
#include "window/dialogs/answers.h"
#include "window/dialogs/booklet.h"
#include "window/dialogs/newgame.h"
#include "window/dialogs/print.h"
#include "window/instructions.h"
#include "window/menus.h"
#include "window/printer.h"
#include "window/resources.h"
#include "window/texts.h"
#include "window/xclipboard.h"

namespace ninebox {

namespace {

double timeOfDay() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

QString q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

MainWindow::MainWindow() : game_(*this, generator_, files_, timeOfDay) {
    // The pictures decoded and the fonts registered before anything draws.
    loadResources();
    setWindowTitle(text::caption({}));
    board_ = new BoardView(boardPicture(), boardPictureAtStart(), this);
    setCentralWidget(board_);

    board_->setMinimumSize(kSmallestArea);
    resize(kStartArea);

    connect(board_, &BoardView::pressed, this, [this](MouseButton button, double x, double y, bool noting) {
        game_.press(button, x, y, noting);
    });
    connect(board_, &BoardView::keyPressed, this, [this](Key key) { game_.key(key); });
    connect(board_, &BoardView::digitTyped, this,
            [this](int digit) { game_.digitTyped(static_cast<std::int16_t>(digit)); });
    connect(board_, &BoardView::blankTyped, this, [this] { game_.blankTyped(); });
    connect(board_, &BoardView::noteTyped, this,
            [this](int digit) { game_.note(static_cast<std::int16_t>(digit)); });
    // The drawing area changes with the window and with the menu bar: redraw to fit.
    connect(board_, &BoardView::resized, this, [this] {
        if (shown_) game_.redraw();
    });
    board_->setFocus();

    // A minute without an active window of the program's pauses the game.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { game_.setActive(state == Qt::ApplicationActive); });
    clockTimer_.setInterval(1000);
    connect(&clockTimer_, &QTimer::timeout, this, [this] { game_.tick(); });
    clockTimer_.start();
    addShortcuts();
    buildMenus();
    mirrorChecks();
    setMenusVisible(game_.state().menusShown);
    setWindowIcon(QIcon(QPixmap::fromImage(desktopIcon())));
}

// Keys of the board alone, in no menu. Like the menus' keys they act only while the board has
// the keyboard, never while a dialog or the instructions page has it.
void MainWindow::addShortcuts() {
    const auto add = [this](const QKeySequence& keys, std::function<void()> run) {
        auto* shortcut = new QShortcut(keys, board_);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, std::move(run));
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { game_.undo(); });
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { game_.redo(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { game_.redo(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_C), [this] { game_.copyPuzzle(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_V), [this] { game_.pastePuzzle(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });  // as the close button
    add(QKeySequence(Qt::Key_F10), [this] { openMenuBar(); });
    // For a screen reader's user: the level, score, clock and mode, shown on the board or not.
    add(QKeySequence(Qt::CTRL | Qt::Key_I), [this] {
        if (QAccessible::isActive()) say(*board_, text::status(game_.state()));
    });
    board_->installEventFilter(this);  // Alt alone
}

// The menu bar for the keyboard: shown, as the corner shows it, with its first menu open;
// once the menus close it is as the corner left it.
void MainWindow::openMenuBar() {
    menusOpenedByKey_ = true;
    setMenusVisible(true);
    // Once the bar is laid out: a bar just shown has no place yet to open a menu under.
    QTimer::singleShot(0, this, [this] { menuBar()->setActiveAction(menus_[0]->menuAction()); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == board_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::KeyPress) altAlone_ = key->key() == Qt::Key_Alt;
        else if (key->key() == Qt::Key_Alt && std::exchange(altAlone_, false)) openMenuBar();
    }
    return QMainWindow::eventFilter(watched, event);
}

MainWindow::~MainWindow() = default;

// Each item runs its command; one with a check mark shows the game's mark, which the command
// sets: a click that the game refuses leaves the mark as it was.
void MainWindow::buildMenus() {
    for (std::size_t m = 0; m < menus_.size(); ++m) {
        const Menu& table = menuTable()[m];
        menus_[m] = menuBar()->addMenu(text::translate("Menu", table.caption));
        menus_[m]->menuAction()->setObjectName(QLatin1String(table.name));
        // Closed, the menus leave the bar as the corner says, though the keyboard opened them.
        connect(menus_[m], &QMenu::aboutToHide, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (QApplication::activePopupWidget()) return;  // another menu of the bar opened
                menusOpenedByKey_ = false;
                setMenusVisible(game_.state().menusShown);
            });
        });
        for (const MenuItem& item : table.items) {
            QAction* action = menus_[m]->addAction(text::translate("Menu", item.caption));
            action->setObjectName(QLatin1String(item.name));
            if (!item.shortcut.isEmpty()) {  // shown beside the item, and a key of the board's
                action->setShortcut(item.shortcut);
                action->setShortcutContext(Qt::WidgetShortcut);
                board_->addAction(action);
            }
            action->setEnabled(item.run != nullptr);
            if (item.run)
                connect(action, &QAction::triggered, this, [this, run = item.run] {
                    run(game_);
                    mirrorChecks();
                });
            if (!item.check) continue;
            action->setCheckable(true);
            checkable_[static_cast<std::size_t>(*item.check)] = action;
        }
    }
}

// The marks follow from the state: after every drawing and every command of the menus. A
// click that the game refuses leaves its mark as it was.
void MainWindow::mirrorChecks() {
    bool changed = false;
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        const bool on = game_.state().checked(static_cast<Item>(i));
        if (on && !checks_[i] && started_) switchedOn(static_cast<Item>(i));
        changed = changed || checks_[i] != on;
        checks_[i] = on;
        if (checkable_[i]) checkable_[i]->setChecked(on);
    }
    if (changed) Q_EMIT choicesChanged();
}

// The score, the clock and the level said to a screen reader's user as they are switched on.
void MainWindow::switchedOn(Item item) {
    if (!QAccessible::isActive()) return;
    const GameState& s = game_.state();
    switch (item) {
        case Item::showScore: return say(*board_, text::scoreName(s.score()));
        case Item::showTime: return say(*board_, text::clockName(s.seconds));
        case Item::showLevel: return say(*board_, text::levelName(s.level));
        default: return;
    }
}

void MainWindow::applyPreferences(const Preferences& choices) {
    game_.applyPreferences(choices);
    mirrorChecks();
}

int MainWindow::outerWidthTwips() const {
    return frameGeometry().width() * 1440 / std::max(1, logicalDpiX());
}

void MainWindow::paint(const GameState& state, bool answerShown) {
    board_->render(state, answerShown, outerWidthTwips());
    mirrorChecks();
}

void MainWindow::paintClock(std::int64_t seconds) {
    board_->renderClock(QString::fromStdString(clockText(seconds)), outerWidthTwips());
}

void MainWindow::setCaption(const Caption& caption) { setWindowTitle(text::caption(caption)); }

void MainWindow::notice(const Notice& notice) {
    if (QAccessible::isActive()) say(*board_, text::notice(notice, game_.state()));
}

void MainWindow::setMenusVisible(bool visible) {
    visible = visible || menusOpenedByKey_;
    if (menuBar()->isVisible() == visible && menus_[0]->menuAction()->isVisible() == visible) return;
    for (QMenu* menu : menus_) menu->menuAction()->setVisible(visible);
    menuBar()->setVisible(visible);
}

QAction* MainWindow::action(Item item) { return checkable_[static_cast<std::size_t>(item)]; }

QAction* MainWindow::command(const char* name) { return findChild<QAction*>(QLatin1String(name)); }

// After a modal window the board window asks for the activation back, as a window manager
// gives it back; its activation (changeEvent) then runs the game's.
template <typename Result>
Result MainWindow::backFromModal(Result result) {
    activateWindow();
    return result;
}

// After a message box or a file dialog the game goes on by itself, and draws when it is ready
// (Load draws the new puzzle before its messages): the activation that follows is not its.
template <typename Result>
Result MainWindow::backFromSystemDialog(Result result) {
    quietActivation_ = !isActiveWindow();
    activateWindow();
    return result;
}

GameChoice MainWindow::chooseGame(Level level) {
    if (!newGameDialog_) newGameDialog_ = new NewGameDialog(this);
    return backFromModal(newGameDialog_->choose(level));
}

std::optional<AnswersChoice> MainWindow::chooseAnswers() {
    if (!answersDialog_) answersDialog_ = new AnswersDialog(this);
    return backFromModal(answersDialog_->choose());
}

PrintChoice MainWindow::choosePrint() {
    if (!printDialog_) printDialog_ = new PrintDialog(this);
    return backFromModal(printDialog_->choose());
}

BookletChoice MainWindow::chooseBooklet() {
    if (!bookletDialog_) bookletDialog_ = new BookletDialog(this);
    return backFromModal(bookletDialog_->choose());
}

void MainWindow::showAbout() {
    if (!aboutDialog_) aboutDialog_ = new AboutDialog(aboutPicture(), this);
    backFromModal(aboutDialog_->exec());
}

void MainWindow::setInstructionsVisible(bool visible) {
    if (!visible) {
        if (instructions_) instructions_->hide();
        board_->setFocus();  // a page clicked into would keep it, hidden
        return;
    }
    if (!instructions_) {
        instructions_ = new Instructions(board_);
        connect(instructions_, &Instructions::leaveRequested, this, [this] {
            game_.toggleInstructions();
            mirrorChecks();
        });
    }
    instructions_->showPage();
}

Answer MainWindow::message(Message message, const Subject& subject) {
    const QString title = text::title(message), body = text::message(message, subject);
    if (!asksYesNo(message)) {
        backFromSystemDialog(QMessageBox::information(this, title, body, QMessageBox::Ok));
        return Answer::ok;
    }
    const auto choice =
        backFromSystemDialog(QMessageBox::question(this, title, body, QMessageBox::Yes | QMessageBox::No));
    return choice == QMessageBox::Yes ? Answer::yes : Answer::no;
}

namespace {

FileChoice chosen(const QString& path) {
    if (path.isEmpty()) return {FileChoice::Outcome::cancelled, {}};
    return {FileChoice::Outcome::chosen, path.toStdString()};
}

//: The file type in the Load and Save dialogs; keep (*.sud).
QString filter() { return text::translate("FileDialog", "Sudoku (*.sud)"); }

}  // namespace

FileChoice MainWindow::chooseOpenFile(const std::string& start) {
    const QString path =
        backFromSystemDialog(QFileDialog::getOpenFileName(this, QString(), q(start), filter()));
    Q_EMIT choicesChanged();
    return chosen(path);
}

FileChoice MainWindow::chooseSaveFile(const std::string& start) {
    const QString path = backFromSystemDialog(QFileDialog::getSaveFileName(
        this, QString(), q(start), filter(), nullptr, QFileDialog::DontConfirmOverwrite));
    Q_EMIT choicesChanged();
    return chosen(path);
}

void MainWindow::print(const PrintPage& page) { printPages({page}, false); }

void MainWindow::printBooklet(const std::vector<PrintPage>& pages) { printPages(pages, true); }

void MainWindow::printPages(const std::vector<PrintPage>& pages, bool printerDialog) {
    const std::unique_ptr<QPrinter> printer =
        printerSource_ ? printerSource_() : choosePrinter(this, printerDialog);
    if (printer && !printOn(*printer, pages)) {
        const QString file = printer->outputFileName();
        //: %1 is the PDF file's path, on a line of its own.
        const QString notWritten = text::translate("Printing", "The PDF could not be written:\n%1");
        QMessageBox::warning(this, text::translate("Message", "Sudoku"),
                             file.isEmpty() ? text::translate("Printing", "The page could not be printed.")
                                            : notWritten.arg(file));
    }
    activateWindow();  // after the PDF's file dialog or the message, as after any modal window
}

std::optional<std::string> MainWindow::clipboardText(std::size_t limit) {
    std::string text;
    switch (readXClipboard(limit, text)) {
        case ClipboardRead::text: return text;
        case ClipboardRead::tooLong: return std::nullopt;
        case ClipboardRead::unknown: break;
    }
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    if (!held || !held->hasText()) return std::string();
    const QString whole = held->text();  // shares the clipboard's own copy
    if (static_cast<std::size_t>(whole.size()) > limit) return std::nullopt;
    return whole.toStdString();
}

void MainWindow::setClipboardText(const std::string& text) { QGuiApplication::clipboard()->setText(q(text)); }

// The first game is dealt, or the file named at start loaded, once the window is shown.
void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    activateWindow();  // the keyboard's shortcuts need an active window, also where no manager gives one
    const auto start = [this] {
        game_.start(std::exchange(startFile_, {}));
        started_ = true;
    };
    // A dealt game is in the first frame, and its caption on the window before it maps; a file's
    // load waits for the window on the screen, as its message shows over the board.
    if (startFile_.empty()) start();
    else QTimer::singleShot(0, this, start);
}

// Each time the board window becomes the active window again: at start, and after every
// dialog and message box.
// Minimised, the game pauses.
void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) game_.minimised();
    if (event->type() != QEvent::ActivationChange) return;
    if (std::exchange(quietActivation_, false) || !isActiveWindow() || !started_) return;
    game_.activated();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (game_.closeRequested()) event->accept();
    else event->ignore();
    mirrorChecks();
}

}  // namespace ninebox
