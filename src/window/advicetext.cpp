// SPDX-License-Identifier: GPL-3.0-or-later
// Explain a Step's line and the messages about a player's own puzzle, in the player's language.
#include <QCoreApplication>
#include <QStringList>

#include "window/texts.h"

namespace ninebox::text {

namespace {

// The separators of lists are the language's own.
//: Between the digits of a list ("2, 7").
QString digitSeparator() { return QCoreApplication::translate("Advice", ", ", "between digits"); }
//: Between the cells or units of a list ("row 1, column 2; row 3, column 4").
QString placeSeparator() { return QCoreApplication::translate("Advice", "; ", "between places"); }

QString digits(Digits set) {
    QStringList each;
    for (int n = 1; n <= 9; ++n)
        if (set & digitBit(n)) each << QString::number(n);
    return each.join(digitSeparator());
}

// Long lists end in an ellipsis: the board shows every cell.
QString cells(const std::vector<Cell>& list, std::size_t most = 4) {
    QStringList each;
    for (const Cell& c : list) each << place(c);
    if (each.size() > static_cast<qsizetype>(most)) {
        each.erase(each.begin() + static_cast<qsizetype>(most) - 1, each.end());
        each << QStringLiteral("…");
    }
    return each.join(placeSeparator());
}

QString eliminated(const Deduction& d) {
    std::vector<Cell> list;
    for (const Elimination& e : d.eliminations)
        if (list.empty() || list.back() != e.cell) list.push_back(e.cell);
    return cells(list);
}

Digits eliminatedDigits(const Deduction& d) {
    Digits set = 0;
    for (const Elimination& e : d.eliminations) set |= digitBit(e.digit);
    return set;
}

QString unitList(const std::vector<Unit>& units, std::size_t from, std::size_t count) {
    QStringList each;
    for (std::size_t k = from; k < from + count && k < units.size(); ++k) each << unit(units[k]);
    return each.join(placeSeparator());
}

// Why a board cannot be finished, after "with it" when a digit of the player's is to blame.
QString reason(const Contradiction& c, bool withIt) {
    switch (c.kind) {
        case Contradiction::Kind::clash:
            return (withIt ? translate("Advice", "there is another %1 in %2")
                           : translate("Advice", "there are two %1s in %2"))
                .arg(c.digit)
                .arg(unit(c.unit));
        case Contradiction::Kind::noDigit:
            return (withIt ? translate("Advice", "with it, %1 can hold no digit")
                           : translate("Advice", "%1 can hold no digit"))
                .arg(place(c.cell));
        case Contradiction::Kind::noPlace:
            return (withIt ? translate("Advice", "with it, %1 has no place left in %2")
                           : translate("Advice", "%1 has no place left in %2"))
                .arg(c.digit)
                .arg(unit(c.unit));
        case Contradiction::Kind::noSolution: break;
    }
    return withIt ? translate("Advice", "with it, the puzzle has no solution")
                  : translate("Advice", "it has no solution");
}

// Where an assumption of a forcing chain ends.
QString deadEnd(const Contradiction& c) {
    switch (c.kind) {
        case Contradiction::Kind::clash:
            return translate("Advice", "two %1s would stand in %2").arg(c.digit).arg(unit(c.unit));
        case Contradiction::Kind::noDigit:
            return translate("Advice", "%1 could hold no digit").arg(place(c.cell));
        case Contradiction::Kind::noPlace:
            return translate("Advice", "%1 would have no place in %2").arg(c.digit).arg(unit(c.unit));
        case Contradiction::Kind::noSolution: break;
    }
    return translate("Advice", "the puzzle would have no solution");
}

QString deduction(const Deduction& d) {
    const QString name = technique(d.technique);
    const int digit = d.digits ? lowestDigit(d.digits) : d.placed;
    switch (d.technique) {
        case Technique::fullHouse:
            //: %1 the technique's name, %2 a cell ("row 4, column 6"), %3 a unit ("box 5"), %4 a digit.
            return translate("Advice", "%1: %2 is the last empty cell of %3, so it holds %4")
                .arg(name, place(d.target), unit(d.units.front()))
                .arg(d.placed);
        case Technique::nakedSingle:
            return translate("Advice", "%1: %2 can hold only %3").arg(name, place(d.target)).arg(d.placed);
        case Technique::hiddenSingle:
            return translate("Advice", "%1: in %2, %3 fits only in %4")
                .arg(name, unit(d.units.front()))
                .arg(d.placed)
                .arg(place(d.target));
        case Technique::pointing:
        case Technique::claiming:
            //: %1 the technique, %2 and %4 units, %3 a digit ("the 5s"), %5 the cells it leaves.
            return translate("Advice", "%1: in %2 the %3s all lie in %4, so %5 cannot hold %3")
                .arg(name, unit(d.units[0]))
                .arg(digit)
                .arg(unit(d.units[1]), eliminated(d));
        case Technique::nakedPair:
        case Technique::nakedTriple:
        case Technique::nakedQuad:
            //: %1 the technique, %2 the cells (each named whole), %3 digits, %4 the cells it leaves.
            return translate("Advice", "%1: %2 hold only %3 between them, so %4 cannot hold them")
                .arg(name, cells(d.forcing), digits(d.digits), eliminated(d));
        case Technique::hiddenPair:
        case Technique::hiddenTriple:
        case Technique::hiddenQuad:
            //: %1 the technique, %2 a unit ("in box 5"), %3 digits, %4 cells.
            return translate("Advice",
                             "%1: in %2 the digits %3 fit only in %4, so these cells hold nothing else")
                .arg(name, unit(d.units.front()), digits(d.digits), cells(d.forcing));
        case Technique::xWing:
        case Technique::swordfish:
        case Technique::jellyfish: {
            const std::size_t lines = d.units.size() / 2;
            return translate("Advice", "%1: the %2s of %3 all lie in %4, so %5 cannot hold %2")
                .arg(name)
                .arg(digit)
                .arg(unitList(d.units, 0, lines), unitList(d.units, lines, lines), eliminated(d));
        }
        case Technique::forcingChain:
            //: %1 the technique, %2 a cell, %3 a digit, %4 where the assumption ends.
            return (d.forcing.size() > 1
                        ? translate("Advice", "%1: if %2 held %3, then … %4; so it cannot hold %3")
                        : translate("Advice", "%1: if %2 held %3, %4; so it cannot hold %3"))
                .arg(name, place(d.forcing.front()))
                .arg(d.chain.front())
                .arg(deadEnd(d.contradiction));
        default: break;
    }
    //: %1 the technique, %2 the cells it works through, %3 the cells it leaves, %4 digits.
    return translate("Advice", "%1 through %2: %3 cannot hold %4")
        .arg(name, cells(d.forcing), eliminated(d), digits(eliminatedDigits(d)));
}

}  // namespace

//: A cell, always named after "in", "of" or as a subject ("row 4, column 6 can hold only 7").
QString place(Cell c) { return translate("Advice", "row %1, column %2").arg(c.y).arg(c.x); }

//: Units are always named after "in" or "of" ("in box 5", "the last empty cell of row 3").
QString unit(Unit u) {
    switch (u.kind) {
        case UnitKind::row: return translate("Advice", "row %1").arg(u.index);
        case UnitKind::column: return translate("Advice", "column %1").arg(u.index);
        case UnitKind::box: break;
    }
    return translate("Advice", "box %1").arg(u.index);
}

QString technique(Technique t) {
    static const char* const names[kTechniques] = {QT_TRANSLATE_NOOP("Technique", "Full house"),
                                                   QT_TRANSLATE_NOOP("Technique", "Naked single"),
                                                   QT_TRANSLATE_NOOP("Technique", "Hidden single"),
                                                   QT_TRANSLATE_NOOP("Technique", "Pointing"),
                                                   QT_TRANSLATE_NOOP("Technique", "Claiming"),
                                                   QT_TRANSLATE_NOOP("Technique", "Naked pair"),
                                                   QT_TRANSLATE_NOOP("Technique", "Hidden pair"),
                                                   QT_TRANSLATE_NOOP("Technique", "Naked triple"),
                                                   QT_TRANSLATE_NOOP("Technique", "Hidden triple"),
                                                   QT_TRANSLATE_NOOP("Technique", "X-wing"),
                                                   QT_TRANSLATE_NOOP("Technique", "XY-wing"),
                                                   QT_TRANSLATE_NOOP("Technique", "Swordfish"),
                                                   QT_TRANSLATE_NOOP("Technique", "XYZ-wing"),
                                                   QT_TRANSLATE_NOOP("Technique", "Naked quad"),
                                                   QT_TRANSLATE_NOOP("Technique", "Hidden quad"),
                                                   QT_TRANSLATE_NOOP("Technique", "Jellyfish"),
                                                   QT_TRANSLATE_NOOP("Technique", "Simple colouring"),
                                                   QT_TRANSLATE_NOOP("Technique", "Unique rectangle"),
                                                   QT_TRANSLATE_NOOP("Technique", "XY-chain"),
                                                   QT_TRANSLATE_NOOP("Technique", "Forcing chain")};
    return translate("Technique", names[static_cast<std::size_t>(t)]);
}

QString clashMessage(const Clash& clash) {
    //: A puzzle typed or loaded holds a digit twice: "Two 5s in row 3."; %2 is "row 3", "column 3" or "box
    //: 3".
    return translate("Message", "Two %1s in %2.").arg(clash.digit).arg(unit(clash.unit));
}

QString rating(const RatedPuzzle& puzzle) {
    switch (puzzle.outcome) {
        case RatedPuzzle::Outcome::rated: break;
        case RatedPuzzle::Outcome::noSolution: return translate("Advice", "no solution");
        case RatedPuzzle::Outcome::severalSolutions: return translate("Advice", "more than one solution");
        case RatedPuzzle::Outcome::notAPuzzle: return translate("Advice", "not a puzzle");
    }
    QStringList uses;
    for (int t = 0; t < kTechniques; ++t)
        if (const int count = puzzle.rating.uses[static_cast<std::size_t>(t)])
            uses << technique(static_cast<Technique>(t)) + QLatin1Char(' ') + QString::number(count);
    //: --rate's line: %1 the hardest technique, %2 each technique used with its count.
    return translate("Advice", "%1: %2").arg(technique(puzzle.rating.hardest), uses.join(digitSeparator()));
}

QString advice(const Advice& a) {
    switch (a.kind) {
        case Advice::Kind::step: {
            // The placing step and the elimination that opens it in full; earlier ones by name
            // alone, as the board shows their cells: a line must stay readable.
            const std::vector<Deduction>& steps = a.step.steps;
            QString line = deduction(steps.back());
            if (steps.size() > 1)
                //: Two steps of one explanation, the second following from the first.
                line = translate("Advice", "%1; then %2").arg(deduction(steps[steps.size() - 2]), line);
            QStringList earlier;
            for (std::size_t k = 0; k + 2 < steps.size(); ++k)
                if (!earlier.contains(technique(steps[k].technique)))
                    earlier << technique(steps[k].technique);
            if (earlier.size() > 3) earlier = earlier.mid(0, 2) << QStringLiteral("…");
            //: %1 the techniques of the steps before (their cells show on the board), %2 the rest.
            if (!earlier.isEmpty())
                line = translate("Advice", "After %1 – %2").arg(earlier.join(digitSeparator()), line);
            //: An explanation ends as a sentence.
            return translate("Advice", "%1.").arg(line);
        }
        case Advice::Kind::wrongDigit:
            //: %1 a digit, %2 its cell, %3 why it cannot be right.
            return translate("Advice", "The %1 in %2 is wrong: %3.")
                .arg(a.digit)
                .arg(place(a.cell), reason(a.reason.value_or(Contradiction{}), true));
        case Advice::Kind::contradiction:
            return translate("Advice", "This board cannot be finished: %1.")
                .arg(reason(a.reason.value_or(Contradiction{}), false));
        case Advice::Kind::noStep:
            return translate("Advice",
                             "No step follows from the board alone: this puzzle has more than one solution.");
        case Advice::Kind::complete: break;
    }
    return translate("Advice", "The board is complete.");
}

}  // namespace ninebox::text
