// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/board/accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "game/layout.h"
#include "window/board/view.h"
#include "window/texts.h"

namespace ninebox {

namespace {

using layout::Area;

// A part of the board that is no widget of its own: it answers from the view, as last drawn.
class Part : public QAccessibleInterface {
public:
    Part(BoardView* view, QAccessibleInterface* parent) : view_(view), parent_(parent) {}

    bool isValid() const override { return view_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return parent_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!view_) return {};
        const Area a = area();
        const QRect local = view_->toPixels(a.left, a.top, a.right, a.bottom);
        return QRect(view_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !view_ || !view_->isVisible() || !shown();
        return s;
    }

protected:
    virtual Area area() const = 0;
    virtual bool shown() const { return true; }
    const GameState* game() const { return view_ ? view_->shown() : nullptr; }
    bool hasKeyboard(int stop) const { return view_ && view_->hasFocus() && view_->focusStop() == stop; }

    QPointer<BoardView> view_;
    QAccessibleInterface* parent_;
};

// A cell: content, place, and whatever else shows there; pressing it is a click on it.
class Cell final : public Part, public QAccessibleTableCellInterface, public QAccessibleActionInterface {
public:
    Cell(BoardView* view, QAccessibleInterface* table, int x, int y) : Part(view, table), x_(x), y_(y) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && game() ? text::cellName(*game(), x_, y_) : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s = Part::state();
        s.focusable = s.selectable = true;
        s.selected = isSelected();
        s.focused = s.selected && hasKeyboard(-1);
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return game() && game()->selectedX == x_ && game()->selectedY == y_; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return x_ - 1; }
    int rowIndex() const override { return y_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent_; }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (view_ && name == pressAction()) view_->pressCell(x_, y_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    Area area() const override { return layout::cell(x_, y_); }
    int x_, y_;
};

void send(QAccessibleInterface* part, QAccessible::Event type) {
    QAccessibleEvent event(part, type);
    QAccessible::updateAccessibility(&event);
}

// The mode whose on-board button the stop is, if it is one.
std::optional<Mode> modeOf(int stop) {
    if (stop >= layout::kButtonCount) return std::nullopt;
    if (layout::kButtons[stop].button == layout::Button::playMode) return Mode::play;
    if (layout::kButtons[stop].button == layout::Button::mapMode) return Mode::map;
    return std::nullopt;
}

// The on-board buttons and the keypad's keys, the stops of game/layout.h; the two mode buttons
// as radio buttons, checked in their mode.
class Button final : public Part, public QAccessibleActionInterface {
public:
    Button(BoardView* view, QAccessibleInterface* board, int stop) : Part(view, board), stop_(stop) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? text::stop(stop_) : QString();
    }
    QAccessible::Role role() const override {
        return modeOf(stop_) ? QAccessible::RadioButton : QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State s = Part::state();
        s.focusable = true;
        s.focused = hasKeyboard(stop_);
        if (const auto mode = modeOf(stop_)) {
            s.checkable = true;
            s.checked = game() && game()->mode == *mode;
        }
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (view_ && name == pressAction()) view_->pressStop(stop_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    Area area() const override { return layout::stopArea(stop_); }
    int stop_;
};

// The texts beside the board: the level, the score, the clock, the answer shown above the
// board, the step explained, the word over a paused board, and the alert that it is solved.
enum class Kind { level, score, clock, answer, solved, advice, paused };
constexpr Kind kKinds[] = {Kind::level,  Kind::score,  Kind::clock, Kind::answer,
                           Kind::solved, Kind::advice, Kind::paused};

// The level, the score and the clock are there for a reader whether the board shows them or
// not (the status key says them too); the others while they show.
bool shown(Kind kind, const GameState& s, bool answerShown) {
    switch (kind) {
        case Kind::answer: return answerShown;
        case Kind::solved: return s.puzzle.solved();
        case Kind::advice: return s.advice.has_value();
        case Kind::paused: return s.paused;
        default: return true;
    }
}

// reading: the clock's reading on show, if any.
QString name(Kind kind, const GameState& s, const QString& reading) {
    switch (kind) {
        case Kind::level: return text::levelName(s.level);
        case Kind::score: return text::scoreName(s.score());
        case Kind::clock:
            return s.timeShown && !reading.isEmpty() ? text::clockName(reading) : text::clockName(s.seconds);
        case Kind::answer: return text::answerName(s.puzzle.answers()[s.selectedX][s.selectedY]);
        case Kind::solved: return text::solvedName();
        case Kind::advice: return s.advice ? text::advice(*s.advice) : QString();
        case Kind::paused: return text::paused();
    }
    return {};
}

// Said as they come up or change: the answer, the step explained, and "Solved" with the time
// when the clock shows. The level, score and clock are said as they are switched on.
std::optional<QString> spoken(Kind kind, const GameState& s) {
    if (kind == Kind::solved && s.timeShown)
        return text::solvedName() + QStringLiteral(". ") + text::clockName(s.seconds);
    if (kind == Kind::answer || kind == Kind::solved || kind == Kind::advice || kind == Kind::paused)
        return name(kind, s, {});
    return std::nullopt;
}

class Status final : public Part {
public:
    Status(BoardView* view, QAccessibleInterface* board, Kind kind) : Part(view, board), kind_(kind) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && game() ? name(kind_, *game(), view_->clock()) : QString();
    }
    QAccessible::Role role() const override {
        return kind_ == Kind::solved ? QAccessible::AlertMessage : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State s = Part::state();
        s.readOnly = true;
        return s;
    }
    bool shown() const override { return game() && ninebox::shown(kind_, *game(), view_->answerShown()); }

private:
    Area area() const override {
        switch (kind_) {
            case Kind::level: return layout::kLevelPlace;
            case Kind::score: return layout::kScorePlace;
            case Kind::clock: return layout::kClockPlace;
            case Kind::answer: return layout::kHintBox;
            case Kind::solved: return layout::kFrame;
            case Kind::advice: return layout::kAdviceBand;
            case Kind::paused: return layout::kPausedPlace;
        }
        return {};
    }
    Kind kind_;
};

// What a key changed, said as the notification shows: Orca 43 says a notification as it shows
// whatever has the focus, and its text alone where a status bar holds it.
class Notification final : public Part {
public:
    using Part::Part;
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? said_ : QString(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    void say(const QString& text) {
        said_ = text;
        send(this, QAccessible::ObjectShow);
    }

private:
    Area area() const override { return layout::kAdviceBand; }
    QString said_;  // the last thing said
};

class StatusBar final : public Part {
public:
    StatusBar(BoardView* view, QAccessibleInterface* board)
        : Part(view, board), note_(new Notification(view, this)) {
        QAccessible::registerAccessibleInterface(note_);
    }
    ~StatusBar() override { QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(note_)); }
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override { return index == 0 ? note_ : nullptr; }
    int indexOfChild(const QAccessibleInterface* part) const override { return part == note_ ? 0 : -1; }
    Notification& note() const { return *note_; }

private:
    Area area() const override { return layout::kAdviceBand; }
    Notification* note_;
};

class Table;
class Board;
Board* boardOf(BoardView& view);

// What a listener heard of the board last: the state drawn, and whether the answer showed.
struct Heard {
    GameState state;
    bool answerShown;
};

// The board view: the table of cells, the buttons and keys, the texts, the status bar, and the
// instructions page while it shows over the board. Unnamed, in the role of a mere client area,
// so that a reader says the table and the cell rather than the widget around them.
class Board final : public QAccessibleWidget {
public:
    explicit Board(BoardView* view);
    ~Board() override {
        for (QAccessibleInterface* part : parts_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(part));
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QString() : QAccessibleWidget::text(t);
    }
    int childCount() const override {
        return static_cast<int>(parts_.size()) + static_cast<int>(over().size());
    }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* part) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    Table* table() const;
    QAccessibleInterface* cell(int x, int y) const;
    QAccessibleInterface* stop(int index) const { return parts_[static_cast<std::size_t>(1 + index)]; }
    QAccessibleInterface* status(Kind kind) const {
        return parts_[static_cast<std::size_t>(1 + layout::kStops + static_cast<int>(kind))];
    }
    StatusBar& statusBar() const { return *static_cast<StatusBar*>(parts_.back()); }

    void changing() {
        if (!heard_ && view().shown()) heard_ = Heard{*view().shown(), view().answerShown()};
        post();
    }
    void tell(const QString& text) {
        told_ << text;
        post();
    }
    void focusDue() {
        focusDue_ = true;
        post();
    }
    // Once the events of the step have run.
    void post() {
        if (std::exchange(posted_, true)) return;
        QTimer::singleShot(0, &view(), [view = &view()] {
            if (Board* board = boardOf(*view)) board->flush();
        });
    }
    void flush();

private:
    BoardView& view() const { return *static_cast<BoardView*>(widget()); }
    QWidgetList over() const;
    QStringList changes(const Heard& before, const QAccessibleInterface* focus, bool told);

    std::vector<QAccessibleInterface*> parts_;  // the table, the stops, the texts by kind, the status bar
    std::optional<Heard> heard_;                // none: nothing changed since the listener last heard
    QStringList told_;                          // the window's texts, to say in this order
    bool focusDue_ = false, posted_ = false;
};

class Table final : public Part, public QAccessibleTableInterface {
public:
    Table(BoardView* view, QAccessibleInterface* board) : Part(view, board) {
        for (int y = 1; y <= 9; ++y)
            for (int x = 1; x <= 9; ++x) {
                cells_.push_back(new Cell(view, this, x, y));
                QAccessible::registerAccessibleInterface(cells_.back());
            }
    }
    ~Table() override {
        for (QAccessibleInterface* c : cells_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(c));
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? text::boardName() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Table; }
    int childCount() const override { return 81; }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < 81 ? cells_[static_cast<std::size_t>(index)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* part) const override {
        for (std::size_t i = 0; i < cells_.size(); ++i)
            if (cells_[i] == part) return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        return game() ? cellAt(game()->selectedY - 1, game()->selectedX - 1) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return row >= 0 && row < 9 && column >= 0 && column < 9 ? child(row * 9 + column) : nullptr;
    }
    int selectedCellCount() const override { return game() ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        if (QAccessibleInterface* selected = focusChild()) return {selected};
        return {};
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 9; }
    int rowCount() const override { return 9; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    Area area() const override { return layout::kGrid; }
    std::vector<QAccessibleInterface*> cells_;
};

Board::Board(BoardView* view) : QAccessibleWidget(view, QAccessible::Client) {
    parts_.push_back(new Table(view, this));
    for (int stop = 0; stop < layout::kStops; ++stop) parts_.push_back(new Button(view, this, stop));
    for (const Kind kind : kKinds) parts_.push_back(new Status(view, this, kind));
    parts_.push_back(new StatusBar(view, this));
    for (QAccessibleInterface* part : parts_) QAccessible::registerAccessibleInterface(part);
}

Table* Board::table() const { return static_cast<Table*>(parts_.front()); }

QAccessibleInterface* Board::cell(int x, int y) const { return table()->cellAt(y - 1, x - 1); }

// The widgets shown over the board: the instructions page.
QWidgetList Board::over() const {
    QWidgetList shown;
    for (QWidget* child : view().findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child->isVisible()) shown << child;
    return shown;
}

QAccessibleInterface* Board::child(int index) const {
    const auto parts = static_cast<int>(parts_.size());
    if (index >= 0 && index < parts) return parts_[static_cast<std::size_t>(index)];
    const QWidgetList widgets = over();
    return index >= parts && index - parts < widgets.size()
               ? QAccessible::queryAccessibleInterface(widgets[index - parts])
               : nullptr;
}

int Board::indexOfChild(const QAccessibleInterface* part) const {
    const auto found = std::find(parts_.begin(), parts_.end(), part);
    if (found != parts_.end()) return static_cast<int>(found - parts_.begin());
    const QWidgetList widgets = over();
    for (int i = 0; i < widgets.size(); ++i)
        if (QAccessible::queryAccessibleInterface(widgets[i]) == part)
            return static_cast<int>(parts_.size()) + i;
    return -1;
}

QAccessibleInterface* Board::focusChild() const {
    for (QWidget* widget : over())
        if (widget->hasFocus()) return QAccessible::queryAccessibleInterface(widget);
    return view().focusStop() >= 0 ? stop(view().focusStop()) : table()->focusChild();
}

QAccessibleInterface* Board::childAt(int x, int y) const {
    for (int i = childCount() - 1; i >= 0; --i)  // what lies over the board first
        if (QAccessibleInterface* part = child(i); part->rect().contains(x, y) && !part->state().invisible)
            return part;
    return nullptr;
}

// Everything goes out while the board window is active: said in another window, it would be
// cut off as that one closes.
void Board::flush() {
    posted_ = false;
    const GameState* now = view().shown();
    if (!now || !view().isActiveWindow()) return;
    const bool moved =
        heard_ && (heard_->state.selectedX != now->selectedX || heard_->state.selectedY != now->selectedY);
    QAccessibleInterface* focus =
        (std::exchange(focusDue_, false) || moved) && view().hasFocus() ? focusChild() : nullptr;
    QStringList said = std::exchange(told_, {});
    if (heard_) said += changes(*std::exchange(heard_, std::nullopt), focus, !said.isEmpty());
    if (!said.isEmpty()) statusBar().note().say(said.join(QStringLiteral(". ")));
    if (focus) send(focus, QAccessible::Focus);
}

// Tells the tree of what changed since before, and returns what to say of it. Cells are said
// by name, up to three; more are counted, unless the window said what the step did. A new
// puzzle (its givens changed, beyond the one cell edit mode changes) is said by the window;
// here only where the keyboard is in it, unless the focus says so.
QStringList Board::changes(const Heard& before, const QAccessibleInterface* focus, bool told) {
    const GameState& was = before.state;
    const GameState& now = *view().shown();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (text::cellName(was, x, y) != text::cellName(now, x, y))
                send(cell(x, y), QAccessible::NameChanged);
    if (was.mode != now.mode)
        for (int i = 0; i < layout::kButtonCount; ++i)
            if (modeOf(i)) {
                QAccessible::State checked;
                checked.checked = true;
                QAccessibleStateChangeEvent event(stop(i), checked);
                QAccessible::updateAccessibility(&event);
            }

    QStringList said;
    int givens = 0;
    Change digits, notes;  // the cells whose digit or given changed, and those whose notes did
    for (const CellChange& c : changeBetween(was.puzzle, now.puzzle)) {
        givens += c.givenBefore != c.givenAfter;
        (c.before != c.after || c.givenBefore != c.givenAfter ? digits : notes).push_back(c);
    }
    const Change& cells = digits.empty() ? notes : digits;
    if (givens > (now.mode == Mode::edit ? 1 : 0)) {
        if (!focus) said << text::cellName(now, now.selectedX, now.selectedY);
    } else if (cells.size() > 3) {
        if (!told) said << text::cellsChanged(static_cast<int>(cells.size()));
    } else {
        for (const CellChange& c : cells)
            if (focus != cell(c.x, c.y)) said << text::cellName(now, c.x, c.y);
    }

    const QString& reading = view().clock();
    for (const Kind kind : kKinds) {
        QAccessibleInterface* part = status(kind);
        const bool shownBefore = shown(kind, was, before.answerShown), shownNow = !part->state().invisible;
        const bool renamed = name(kind, was, reading) != name(kind, now, reading);
        if (shownBefore != shownNow) send(part, shownNow ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        else if (shownNow && renamed) send(part, QAccessible::NameChanged);
        if (const auto text = spoken(kind, now); text && shownNow && (!shownBefore || renamed)) said << *text;
    }
    return said;
}

QAccessibleInterface* makeBoard(const QString& className, QObject* object) {
    if (className != QLatin1String("ninebox::BoardView")) return nullptr;
    return new Board(static_cast<BoardView*>(object));
}

Board* boardOf(BoardView& view) { return dynamic_cast<Board*>(QAccessible::queryAccessibleInterface(&view)); }

}  // namespace

void installBoardAccessible() {
    static bool installed = false;
    if (!std::exchange(installed, true)) QAccessible::installFactory(makeBoard);
}

void boardChanging(BoardView& view) {
    if (Board* board = boardOf(view)) board->changing();
}

void focusMoved(BoardView& view) {
    if (Board* board = boardOf(view)) board->focusDue();
}

void windowActivated(BoardView& view) {
    if (Board* board = boardOf(view)) board->post();
}

void say(BoardView& view, const QString& text) {
    if (Board* board = boardOf(view)) board->tell(text);
}

}  // namespace ninebox
