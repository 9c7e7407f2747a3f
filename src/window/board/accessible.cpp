// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/board/accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
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

// The on-board buttons and the keypad's keys, the stops of game/layout.h.
class Button final : public Part, public QAccessibleActionInterface {
public:
    Button(BoardView* view, QAccessibleInterface* board, int stop) : Part(view, board), stop_(stop) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? text::stop(stop_) : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State s = Part::state();
        s.focusable = true;
        s.focused = hasKeyboard(stop_);
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

// The level, the score, the clock, the answer shown above the board, the step explained and
// the word over a paused game's board, while they show; and the alert that the board is solved.
class Status final : public Part {
public:
    enum class Kind { level, score, clock, answer, solved, advice, paused };
    Status(BoardView* view, QAccessibleInterface* board, Kind kind) : Part(view, board), kind_(kind) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !game() || !view_) return {};
        switch (kind_) {
            case Kind::level: return text::levelName(game()->level);
            case Kind::score: return text::scoreName(game()->score());
            case Kind::clock: return text::clockName(view_->clock());
            case Kind::answer:
                return text::answerName(game()->puzzle.answers()[game()->selectedX][game()->selectedY]);
            case Kind::solved: return text::solvedName();
            case Kind::advice: return game()->advice ? text::advice(*game()->advice) : QString();
            case Kind::paused: return text::paused();
        }
        return {};
    }
    QAccessible::Role role() const override {
        return kind_ == Kind::solved ? QAccessible::AlertMessage : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State s = Part::state();
        s.readOnly = true;
        return s;
    }
    bool shown() const override {
        const GameState* g = game();
        switch (kind_) {
            case Kind::level: return g && g->levelShown;
            case Kind::score: return g && g->scoreShown;
            case Kind::clock: return g && g->timeShown && view_ && !view_->clock().isEmpty();
            case Kind::answer: return view_ && view_->answerShown();
            case Kind::solved: return g && g->puzzle.solved();
            case Kind::advice: return g && g->advice;
            case Kind::paused: return g && g->paused;
        }
        return false;
    }

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

class Table;

// The board view: the table of cells, the buttons and keys, and the texts.
class Board final : public QAccessibleWidget {
public:
    explicit Board(BoardView* view);
    ~Board() override {
        for (QAccessibleInterface* part : parts_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(part));
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QStringLiteral("Ninebox") : QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(parts_.size()); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? parts_[static_cast<std::size_t>(index)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* part) const override {
        for (std::size_t i = 0; i < parts_.size(); ++i)
            if (parts_[i] == part) return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override {
        for (QAccessibleInterface* part : parts_)
            if (part->rect().contains(x, y) && !part->state().invisible) return part;
        return nullptr;
    }
    Table* table() const;
    QAccessibleInterface* cell(int x, int y) const;
    QAccessibleInterface* stop(int index) const { return parts_[static_cast<std::size_t>(1 + index)]; }
    QAccessibleInterface* status(Status::Kind kind) const {
        return parts_[static_cast<std::size_t>(1 + layout::kStops + static_cast<int>(kind))];
    }

private:
    std::vector<QAccessibleInterface*> parts_;
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

Board::Board(BoardView* view) : QAccessibleWidget(view, QAccessible::Pane) {
    parts_.push_back(new Table(view, this));
    for (int stop = 0; stop < layout::kStops; ++stop) parts_.push_back(new Button(view, this, stop));
    for (const auto kind :
         {Status::Kind::level, Status::Kind::score, Status::Kind::clock, Status::Kind::answer,
          Status::Kind::solved, Status::Kind::advice, Status::Kind::paused})
        parts_.push_back(new Status(view, this, kind));
    for (QAccessibleInterface* part : parts_) QAccessible::registerAccessibleInterface(part);
}

Table* Board::table() const { return static_cast<Table*>(parts_.front()); }

QAccessibleInterface* Board::cell(int x, int y) const { return table()->cellAt(y - 1, x - 1); }

QAccessibleInterface* Board::focusChild() const {
    const auto* view = static_cast<const BoardView*>(widget());
    return view->focusStop() >= 0 ? stop(view->focusStop()) : table()->focusChild();
}

QAccessibleInterface* makeBoard(const QString& className, QObject* object) {
    if (className != QLatin1String("ninebox::BoardView")) return nullptr;
    return new Board(static_cast<BoardView*>(object));
}

Board* boardOf(BoardView& view) { return dynamic_cast<Board*>(QAccessible::queryAccessibleInterface(&view)); }

void send(QAccessibleInterface* part, QAccessible::Event type) {
    QAccessibleEvent event(part, type);
    QAccessible::updateAccessibility(&event);
}

// A text whose name changed, or that came or went.
void statusChanged(Board& board, Status::Kind kind, bool shownBefore, const QString& nameBefore) {
    QAccessibleInterface* part = board.status(kind);
    const bool shown = !part->state().invisible;
    if (shown != shownBefore) send(part, shown ? QAccessible::ObjectShow : QAccessible::ObjectHide);
    else if (shown && part->text(QAccessible::Name) != nameBefore) send(part, QAccessible::NameChanged);
}

}  // namespace

void installBoardAccessible() {
    static bool installed = false;
    if (!std::exchange(installed, true)) QAccessible::installFactory(makeBoard);
}

void boardChanged(BoardView& view, const GameState* before) {
    Board* board = boardOf(view);
    if (!board || !before) return;
    const GameState& now = *view.shown();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (text::cellName(*before, x, y) != text::cellName(now, x, y))
                send(board->cell(x, y), QAccessible::NameChanged);
    if (before->selectedX != now.selectedX || before->selectedY != now.selectedY) focusMoved(view);
    // What the texts were, from the state drawn before: their look follows it alone.
    statusChanged(*board, Status::Kind::level, before->levelShown, text::levelName(before->level));
    statusChanged(*board, Status::Kind::score, before->scoreShown, text::scoreName(before->score()));
    if (view.answerShown()) send(board->status(Status::Kind::answer), QAccessible::ObjectShow);
    statusChanged(*board, Status::Kind::advice, before->advice.has_value(),
                  before->advice ? text::advice(*before->advice) : QString());
    statusChanged(*board, Status::Kind::paused, before->paused, text::paused());
    if (before->puzzle.solved() != now.puzzle.solved())  // said once, as the frame turns green
        send(board->status(Status::Kind::solved),
             now.puzzle.solved() ? QAccessible::ObjectShow : QAccessible::ObjectHide);
}

void clockChanged(BoardView& view) {
    if (Board* board = boardOf(view)) send(board->status(Status::Kind::clock), QAccessible::NameChanged);
}

void focusMoved(BoardView& view) {
    Board* board = boardOf(view);
    if (!board || !view.hasFocus()) return;
    if (QAccessibleInterface* part = board->focusChild()) send(part, QAccessible::Focus);
}

}  // namespace ninebox
