#include "app/form1.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QIcon>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPrinter>
#include <QTime>

#include "app/resources.h"
#include "board/boardview.h"
#include "files/form3.h"
#include "files/form4.h"
#include "files/form5.h"
#include "files/instructions.h"
#include "files/printer.h"
#include "puzzles/form2.h"

namespace ninebox {

namespace {

double timeOfDay() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

QString q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

Form1::Form1() : game_(*this, generator_, files_, timeOfDay) {
    // Form_Load: the pictures decoded and the fonts registered before anything draws.
    loadResources();
    setWindowTitle(QStringLiteral("Ninebox1"));
    board_ = new BoardView(boardPicture(), boardPictureAtStart(), this);
    setCentralWidget(board_);

    board_->setMinimumSize(1, 1);
    resize(kStartArea);

    connect(board_, &BoardView::pressed, this,
            [this](MouseButton button, double x, double y) { game_.Form_MouseDown(button, x, y); });
    connect(board_, &BoardView::keyDown, this, [this](int code) { game_.Form_KeyDown(code); });
    connect(board_, &BoardView::keyPress, this, [this](int code) { game_.Form_KeyPress(code); });
    // The drawing area changes with the window and with the menu bar: redraw to fit.
    connect(board_, &BoardView::resized, this, [this] {
        if (shown_) game_.showboard();
    });
    board_->setFocus();

    timer1_.setInterval(1000);
    connect(&timer1_, &QTimer::timeout, this, [this] { game_.Timer1_Timer(); });
    timer1_.start();
}

Form1::~Form1() = default;

QAction* Form1::addCommand(QMenu* menu, const char* name, const QString& caption, void (Game::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, [this, handler] { (game_.*handler)(); });
    return action;
}

void Form1::buildMenus() {
    const auto checkable = [this](QAction* action, Item item) {
        action->setCheckable(true);
        // The game owns the mark: a click runs the command, which sets the mark back.
        action->setChecked(game_.state().checked(item));
        connect(action, &QAction::triggered, this,
                [this, action, item] { action->setChecked(game_.state().checked(item)); });
        checkable_[static_cast<std::size_t>(item)] = action;
    };

    QMenu* fe = menuBar()->addMenu(QStringLiteral("The Vault"));
    addCommand(fe, "ent", QStringLiteral("Load game"), &Game::ent_Click);
    addCommand(fe, "sa", QStringLiteral("Save game"), &Game::sa_Click);
    addCommand(fe, "pg", QStringLiteral("Print game"), &Game::pg_Click);

    QMenu* gam = menuBar()->addMenu(QStringLiteral("Game"));
    addCommand(gam, "ng", QStringLiteral("New game"), &Game::ng_Click);
    addCommand(gam, "rst", QStringLiteral("reset"), &Game::rst_Click);
    checkable(addCommand(gam, "pmd", QStringLiteral("play game"), &Game::pmd_Click), Item::pmd);
    checkable(addCommand(gam, "sh", QStringLiteral("map game"), &Game::sh_Click), Item::sh);
    checkable(addCommand(gam, "em", QStringLiteral("Enter/edit game"), &Game::em_Click), Item::em);
    addCommand(gam, "af", QStringLiteral("Cheat"), &Game::af_Click);
    addCommand(gam, "cs", QStringLiteral("won?"), &Game::cs_Click)->setEnabled(false);

    QMenu* opns = menuBar()->addMenu(QStringLiteral("Options"));
    checkable(addCommand(opns, "sb", QStringLiteral("Show Score"), &Game::sb_Click), Item::sb);
    checkable(addCommand(opns, "stm", QStringLiteral("Show Time"), &Game::stm_Click), Item::stm);
    checkable(addCommand(opns, "wonka", QStringLiteral("Show Difficulty  Level"), &Game::wonka_Click),
              Item::wonka);
    addCommand(opns, "rwa", QStringLiteral("Remove Wrong Answers"), &Game::rwa_Click);
    checkable(addCommand(opns, "snds", QStringLiteral("Kanji Numbers"), &Game::snds_Click), Item::snds);
    checkable(addCommand(opns, "instruc", QStringLiteral("Instructions"), &Game::instruc_Click),
              Item::instruc);
    addCommand(opns, "abt", QStringLiteral("About"), &Game::abt_Click);

    QMenu* solec = menuBar()->addMenu(QStringLiteral("Level"));
    checkable(addCommand(solec, "randoc", QStringLiteral("Random Level"), &Game::randoc_Click), Item::randoc);
    checkable(addCommand(solec, "easoc", QStringLiteral("Easy"), &Game::easoc_Click), Item::easoc);
    checkable(addCommand(solec, "medoc", QStringLiteral("Medium"), &Game::medoc_Click), Item::medoc);
    checkable(addCommand(solec, "Hardoc", QStringLiteral("Hard"), &Game::Hardoc_Click), Item::Hardoc);

    fe->menuAction()->setObjectName(QStringLiteral("fe"));
    gam->menuAction()->setObjectName(QStringLiteral("gam"));
    opns->menuAction()->setObjectName(QStringLiteral("opns"));
    solec->menuAction()->setObjectName(QStringLiteral("solec"));
    menus_ = {fe, gam, opns, solec};
}

int Form1::outerWidthTwips() const { return frameGeometry().width() * 1440 / std::max(1, logicalDpiX()); }

void Form1::paint(const GameState& state) { board_->render(state, outerWidthTwips()); }

void Form1::paintClock(const std::string& reading) { board_->renderClock(q(reading), outerWidthTwips()); }

void Form1::setCaption(const std::string& caption) { setWindowTitle(q(caption)); }

void Form1::setMenusVisible(bool visible) {
    if (!menus_[0] && !visible) return;  // not built yet, and hidden at start anyway
    ensureMenus();
    if (menuBar()->isVisible() == visible && menus_[0]->menuAction()->isVisible() == visible) return;
    for (QMenu* menu : menus_) menu->menuAction()->setVisible(visible);
    menuBar()->setVisible(visible);
}

void Form1::setChecked(Item item, bool on) {
    // Menus not built yet take their marks from the state when they are.
    if (menus_[0]) checkable_[static_cast<std::size_t>(item)]->setChecked(on);
}

QAction* Form1::action(Item item) {
    ensureMenus();
    return checkable_[static_cast<std::size_t>(item)];
}

QAction* Form1::command(const char* name) {
    ensureMenus();
    return findChild<QAction*>(QLatin1String(name));
}

// The menus start hidden, so they are built once the first game is on the screen (or
// earlier, the moment anything needs them): start-up does not wait for them.
void Form1::ensureMenus() {
    if (menus_[0]) return;
    buildMenus();
    const bool shown = game_.state().menuson == 1;
    for (QMenu* menu : menus_) menu->menuAction()->setVisible(shown);
    menuBar()->setVisible(shown);
}

void Form1::activateLater() {
    QTimer::singleShot(0, this, [this] { game_.Form_activate(); });
}

void Form1::showGameDialog() {
    if (!form2_) form2_ = new Form2(game_, this);
    form2_->exec();
    activateLater();
}

std::optional<std::int16_t> Form1::showAnswersDialog() {
    if (!form5_) form5_ = new Form5(this);
    const auto choice = form5_->choose();
    activateLater();
    return choice;
}

PrintChoice Form1::showPrintDialog() {
    if (!form3_) form3_ = new Form3(this);
    const PrintChoice choice = form3_->choose();
    activateLater();
    return choice;
}

void Form1::showAbout() {
    if (!form4_) form4_ = new Form4(aboutPicture(), this);
    form4_->exec();
    activateLater();
}

void Form1::setInstructionsVisible(bool visible) {
    if (!visible) {
        if (instructions_) instructions_->hide();
        board_->setFocus();  // a page clicked into would keep it, hidden
        return;
    }
    if (!instructions_) instructions_ = new Instructions(board_);
    instructions_->showPage();
}

Answer Form1::message(const std::string& text, const std::string& title, Buttons buttons) {
    const auto choice =
        buttons == Buttons::yesNo
            ? QMessageBox::question(this, q(title), q(text), QMessageBox::Yes | QMessageBox::No)
            : QMessageBox::information(this, q(title), q(text), QMessageBox::Ok);
    activateLater();
    if (buttons == Buttons::ok) return Answer::ok;
    return choice == QMessageBox::Yes ? Answer::yes : Answer::no;
}

namespace {

FileChoice chosen(const QString& path) {
    if (path.isEmpty()) return {FileChoice::Outcome::cancelled, {}};
    return {FileChoice::Outcome::chosen, path.toStdString()};
}

const QString kFilter = QStringLiteral("Sudoku (*.sud)");

}  // namespace

FileChoice Form1::chooseOpenFile(const std::string& start) {
    const QString path = QFileDialog::getOpenFileName(this, QString(), q(start), kFilter);
    activateLater();
    return chosen(path);
}

FileChoice Form1::chooseSaveFile(const std::string& start) {
    const QString path = QFileDialog::getSaveFileName(this, QString(), q(start), kFilter, nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    activateLater();
    return chosen(path);
}

void Form1::print(const PrintPage& page) {
    const std::unique_ptr<QPrinter> printer = printerSource_ ? printerSource_() : choosePrinter(this);
    if (printer && !printOn(*printer, page)) {
        const QString file = printer->outputFileName();
        QMessageBox::warning(this, QStringLiteral("Sudoku"),
                             file.isEmpty() ? QStringLiteral("The page could not be printed.")
                                            : QStringLiteral("The PDF could not be written:\n%1").arg(file));
    }
    // After the PDF file dialog or the message the board window is activated again; without
    // them the activation only repeats the print dialog's.
    activateLater();
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    activateLater();
    // After the first game is drawn and the window system has it.
    QTimer::singleShot(100, this, [this] {
        ensureMenus();
        setWindowIcon(QIcon(QPixmap::fromImage(desktopIcon())));
    });
}

void Form1::closeEvent(QCloseEvent* event) {
    if (game_.Form_Unload()) event->accept();
    else event->ignore();
}

}  // namespace ninebox
