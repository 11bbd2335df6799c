// The rules of FreeCell, Sea Towers and Beleaguered Castle checked against an
// independent solver: seeded deals are handed to fc-solve (Debian package
// freecell-solver-bin) in single-card moves, and every move of each solution
// it finds is played through the real window as a player would: a drag from
// pile to pile, a double-click for a card going home. Each move must be
// taken, the table must match the solver's after each move, and the game must
// end won. Moves that no rule allows are tried on each deal and must change
// nothing. Each solver move must also be among the window's legal moves.
#include "CastleWindow.h"
#include "FreeCellWindow.h"
#include "GameRegistry.h"
#include "GameTestSupport.h"
#include "SeaHavenWindow.h"
#include "Solver.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <memory>

using namespace GameTest;

namespace {

// What the test itself knows of each game's rules, to pick moves no rule allows.
struct TGameRules {
    const char* ClassName;
    const char* SolverGame; // fc-solve's --game
    std::function<bool(const TCard*, const TCard*)> FitsColumn;     // card onto a column top (null: empty)
    bool EmptyFoundationTakesAce;                                   // Castle's foundations start with their Aces
};

bool OneBelow(const TCard* card, const TCard* top) { return card->Value + 1 == top->Value; }
bool Red(const TCard* card) { return card->Suit >= 2; }

const TGameRules kRules[] = {
    {"TFreeCellForm", "freecell",
     [](const TCard* c, const TCard* t) { return t == nullptr || (Red(c) != Red(t) && OneBelow(c, t)); }, true},
    {"TSeaHavenForm", "seahaven",
     [](const TCard* c, const TCard* t) {
         return t == nullptr ? c->Value == FS_KING : c->Suit == t->Suit && OneBelow(c, t);
     },
     true},
    {"TCastleForm", "beleaguered_castle", [](const TCard* c, const TCard* t) { return t == nullptr || OneBelow(c, t); },
     false},
};

const TGameRules& RulesOf(const QString& className) {
    for (const TGameRules& r : kRules)
        if (className == QLatin1String(r.ClassName)) return r;
    return kRules[0];
}

// fc-solve writes a card as rank and suit: "TH" is the Ten of hearts.
QString SolverCard(const TCard* card) {
    return QString(QLatin1Char("A23456789TJQK"[card->Value])) + QLatin1Char("CSDH"[card->Suit]);
}

QString SolverPile(const TCardPileView* view) {
    QStringList cards;
    for (const TCard* c : view->Pile->Cards) cards << SolverCard(c);
    return cards.join(QLatin1Char(' '));
}

// The foundations as fc-solve writes them: the top rank of each suit, 0 for none.
QString SolverFoundations(const TGameForm& form) {
    QStringList out;
    for (const char suit : {'H', 'C', 'D', 'S'}) {
        QString top = QStringLiteral("0");
        for (const TCardPileView* f : form.Foundation)
            for (const TCard* c : f->Pile->Cards)
                if (SolverCard(c).endsWith(QLatin1Char(suit))) top = SolverCard(c).left(1);
        out << QStringLiteral("%1-%2").arg(QLatin1Char(suit)).arg(top);
    }
    return out.join(QLatin1Char(' '));
}

QString SolverCells(const TGameForm& form) {
    QStringList cells;
    for (const TCardPileView* cell : form.FreeCells) cells << (cell->Pile->Cards.empty() ? "-" : SolverPile(cell));
    return cells.join(QLatin1Char(' '));
}

QString SolverBoard(const TGameForm& form) {
    QString board = QStringLiteral("Foundations: ") + SolverFoundations(form) + QLatin1Char('\n');
    if (!form.FreeCells.empty()) board += QStringLiteral("Freecells: ") + SolverCells(form) + QLatin1Char('\n');
    for (const TCardPileView* column : form.Tableau) board += QStringLiteral(": ") + SolverPile(column) + QLatin1Char('\n');
    return board;
}

// One move of a solution and the table the solver expects after it.
struct TSolverMove {
    enum Place { Stack, Cell, Home } From = Stack, To = Stack;
    int FromIndex = 0, ToIndex = 0, Cards = 1;
    QString Text;
    QString Foundations;      // "H-A C-0 D-0 S-0"
    QStringList Cells;        // the free cells' cards, sorted
    QStringList Stacks;       // each column, bottom first
};

// Runs the solver; an empty list when it found no solution within its limit.
std::vector<TSolverMove> Solve(const QString& game, const QString& board, bool& ran) {
    QProcess solver;
    // Atomic moves only (-to 01ABCDE): every move carries one card.
    solver.start(QStringLiteral("fc-solve"), {"-g", game, "-to", "01ABCDE", "-mi", "60000", "-sam", "-p", "-t", "-"});
    ran = solver.waitForStarted(10000);
    if (!ran) return {};
    solver.write(board.toLatin1());
    solver.closeWriteChannel();
    solver.waitForFinished(60000);
    const QString out = QString::fromLatin1(solver.readAllStandardOutput());
    if (!out.contains(QLatin1String("This game is solveable."))) return {};

    static const QRegularExpression moveLine(QStringLiteral(
        R"(^Move (a card|(\d+) cards) from (stack|freecell) (\d+) to (the foundations|stack (\d+)|freecell (\d+))$)"));
    std::vector<TSolverMove> moves;
    TSolverMove* current = nullptr;
    for (const QString& line : out.split(QLatin1Char('\n'))) {
        const QString text = line.trimmed();
        if (const auto m = moveLine.match(text); m.hasMatch()) {
            TSolverMove move;
            move.Text = text;
            move.Cards = m.captured(2).isEmpty() ? 1 : m.captured(2).toInt();
            move.From = m.captured(3) == QLatin1String("stack") ? TSolverMove::Stack : TSolverMove::Cell;
            move.FromIndex = m.captured(4).toInt();
            if (m.captured(5) == QLatin1String("the foundations")) move.To = TSolverMove::Home;
            else if (!m.captured(6).isEmpty()) move.ToIndex = m.captured(6).toInt();
            else {
                move.To = TSolverMove::Cell;
                move.ToIndex = m.captured(7).toInt();
            }
            moves.push_back(move);
            current = &moves.back();
        } else if (text.startsWith(QLatin1String("Move "))) {
            ADD_FAILURE() << "a solver move the test cannot read: " << text.toStdString();
            return {};
        } else if (current != nullptr && text.startsWith(QLatin1String("Foundations:"))) {
            current->Foundations = text.mid(12).simplified();
        } else if (current != nullptr && text.startsWith(QLatin1String("Freecells:"))) {
            current->Cells = text.mid(10).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            current->Cells.sort();
        } else if (current != nullptr && text.startsWith(QLatin1Char(':'))) {
            current->Stacks << text.mid(1).simplified();
        }
    }
    return moves;
}

class SolverReplay {
public:
    SolverReplay(TGameForm* form, const TGameRules& rules) : form_(form), rules_(rules), drive_(form) {}

    // A drag that hovers nothing but its target on the way.
    void DragDirect(QPoint from, QPoint to) {
        drive_.Press(from);
        drive_.Move(from + QPoint(4, 4));
        drive_.Move(to);
        drive_.Release(to);
    }

    // Plays one solver move; false (with a failure recorded) when the window refused it.
    bool Play(const TSolverMove& move) {
        TCardPileView* from = move.From == TSolverMove::Stack ? form_->Tableau.at(std::size_t(move.FromIndex))
                                                              : form_->FreeCells.at(std::size_t(move.FromIndex));
        const int before = form_->MoveCount;
        const int count = int(from->Pile->Cards.size());
        if (count < move.Cards) {
            ADD_FAILURE() << move.Text.toStdString() << ": the pile holds " << count << " cards";
            return false;
        }
        const TCard* moved = from->Pile->Cards[std::size_t(count - move.Cards)];
        TCardPileView* to = nullptr;
        if (move.To == TSolverMove::Home) {
            EXPECT_TRUE(Listed(move, from, nullptr)) << move.Text.toStdString() << " was not listed";
            drive_.DoubleClick(OnCard(from));
            for (TCardPileView* f : form_->Foundation)
                if (f->Pile->CardAt(TOP_OF_PILE) == moved) to = f;
        } else {
            to = move.To == TSolverMove::Stack ? form_->Tableau.at(std::size_t(move.ToIndex))
                                               : form_->FreeCells.at(std::size_t(move.ToIndex));
            EXPECT_TRUE(Listed(move, from, to)) << move.Text.toStdString() << " was not listed";
            drive_.Drag(OnCard(from, count - move.Cards), OnCard(to));
        }
        const bool landed = to != nullptr && to->Pile->CardIndex(moved) >= 0 &&
                            int(to->Pile->Cards.size()) >= move.Cards &&
                            to->Pile->Cards[to->Pile->Cards.size() - std::size_t(move.Cards)] == moved;
        EXPECT_TRUE(landed) << move.Text.toStdString() << " was refused";
        EXPECT_EQ(form_->MoveCount, before + 1) << move.Text.toStdString();
        return landed && form_->MoveCount == before + 1 && SameTable(move);
    }

    // The window's table is the one the solver reached.
    bool SameTable(const TSolverMove& move) {
        QStringList stacks, cells;
        for (const TCardPileView* column : form_->Tableau) stacks << SolverPile(column);
        for (const TCardPileView* cell : form_->FreeCells)
            if (!cell->Pile->Cards.empty()) cells << SolverPile(cell);
        cells.sort();
        EXPECT_EQ(stacks, move.Stacks) << "after " << move.Text.toStdString();
        EXPECT_EQ(cells, move.Cells) << "after " << move.Text.toStdString();
        EXPECT_EQ(SolverFoundations(*form_), move.Foundations) << "after " << move.Text.toStdString();
        return stacks == move.Stacks && cells == move.Cells && SolverFoundations(*form_) == move.Foundations;
    }

    // Tries moves that no rule allows on the fresh deal; each must leave the
    // table as it was. Returns how many were tried.
    int TryIllegalMoves() {
        int tried = 0;
        const Snapshot start = Take(*form_);
        auto refused = [&](const char* what) {
            ++tried;
            EXPECT_TRUE(Take(*form_) == start) << what;
            EXPECT_EQ(form_->MoveCount, 0) << what;
        };
        // The bottom card of a dealt column never lifts: too many cards, or not a run.
        TCardPileView* first = form_->Tableau.front();
        DragDirect(OnCard(first, 0), OnCard(form_->Tableau.back()));
        refused("the bottom card of column 1");

        // A top card onto a column it does not fit, or a foundation it does
        // not fit, when no pile at all would take it (the drag would go there).
        for (TCardPileView* source : form_->Tableau) {
            const TCard* card = source->Pile->CardAt(TOP_OF_PILE);
            if (card == nullptr || HasHome(card) || FitsSomeColumn(card, source)) continue;
            for (TCardPileView* target : form_->Tableau) {
                if (target == source) continue;
                DragDirect(OnCard(source), OnCard(target));
                refused("a top card onto a column it does not fit");
                break;
            }
            DragDirect(OnCard(source), OnCard(form_->Foundation.front()));
            refused("a top card onto a foundation it does not fit");
            if (form_->FreeCells.empty()) { // the double-click has no other destination
                drive_.DoubleClick(OnCard(source));
                refused("a double-click on a card that cannot go home");
            }
            if (tried >= 6) break;
        }
        return tried;
    }

private:
    // The solver's move among the legal moves: its cards sent home, or dropped on `to`.
    bool Listed(const TSolverMove& move, const TCardPileView* from, const TCardPileView* to) const {
        const TMoves legal = form_->LegalMoves();
        return std::any_of(legal.begin(), legal.end(), [&](const TMove& m) {
            return m.Source == form_->IndexOf(from) && m.Index == int(from->Pile->Cards.size()) - move.Cards &&
                   (to != nullptr ? m.Type == TMove::Drop && m.Target == form_->IndexOf(to)
                                  : m.Type == TMove::SendHome &&
                                        form_->RoleOf(form_->MoveTarget(m)) == TPileSlot::Foundation);
        });
    }

    bool HasHome(const TCard* card) const {
        for (const TCardPileView* f : form_->Foundation) {
            const TCard* top = f->Pile->CardAt(TOP_OF_PILE);
            if (top == nullptr ? rules_.EmptyFoundationTakesAce && card->Value == FS_ACE
                               : top->Suit == card->Suit && top->Value + 1 == card->Value)
                return true;
        }
        return false;
    }
    bool FitsSomeColumn(const TCard* card, const TCardPileView* source) const {
        for (const TCardPileView* column : form_->Tableau)
            if (column != source && rules_.FitsColumn(card, column->Pile->CardAt(TOP_OF_PILE))) return true;
        return false;
    }

    TGameForm* form_;
    const TGameRules& rules_;
    Driver drive_;
};

struct TReplayCase {
    const char* ClassName;
    int SolvedDeals; // solved deals that must replay
};

class SolverReplayTest : public ::testing::TestWithParam<TReplayCase> {};

} // namespace

TEST_P(SolverReplayTest, EverySolverMoveIsTakenAndTheGameEndsWon) {
    const QString className = QLatin1String(GetParam().ClassName);
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("fc-solve")).isEmpty())
        << "fc-solve is missing: install the Debian package freecell-solver-bin (make deps)";
    const TGameRules& rules = RulesOf(className.startsWith(QLatin1String("Ts")) ? QStringLiteral("T") + className.mid(2)
                                                                                 : className);
    const TQuietOutsideEvents quiet; // releases outside the window are fine
    ResetSettings(); // Autoplay off: the solver makes every move itself
    TFakeDialogs dialogs;
    TCard::SetCardSize(className.startsWith(QLatin1String("Ts")) ? FS_SMALL : FS_LARGE);
    SeedRandom(1);
    QPointer<TGameForm> form = CreateGameForm(className);
    ASSERT_NE(form, nullptr);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    SolverReplay replay(form, rules);

    int solved = 0, illegal = 0, replayed = 0;
    for (quint32 seed = 1; seed <= 400 && solved < GetParam().SolvedDeals; ++seed) {
        form->GameWon = true; // no prompt for the next deal
        SeedRandom(seed * 7919u + 13u);
        form->NewGame1Click(form->NewGame1);
        ASSERT_EQ(form->MoveCount, 0);
        const QString board = SolverBoard(*form);
        if (illegal < 12) illegal += replay.TryIllegalMoves();
        bool ran = false;
        const std::vector<TSolverMove> moves = Solve(QLatin1String(rules.SolverGame), board, ran);
        ASSERT_TRUE(ran) << "fc-solve did not start";
        if (moves.empty()) continue; // not solved within the solver's limit
        ++solved;
        replayed += int(moves.size());
        for (const TSolverMove& move : moves)
            ASSERT_TRUE(replay.Play(move)) << className.toStdString() << " seed " << seed << "\n"
                                           << board.toStdString();
        EXPECT_TRUE(form->GameWon) << "seed " << seed;
        EXPECT_EQ(form->windowTitle(), form->Info().Name + QStringLiteral("   Score: 52")) << "seed " << seed;
        EXPECT_EQ(form->MoveCount, int(moves.size()));
        EXPECT_TRUE(EveryCardOnce(*form));
    }
    RecordProperty("SolvedDeals", solved);
    RecordProperty("IllegalMovesTried", illegal);
    RecordProperty("MovesReplayed", replayed);
    EXPECT_GE(solved, GetParam().SolvedDeals);
    EXPECT_GE(illegal, 5);
    EXPECT_EQ(dialogs.Count("Win"), solved);

    form->GameWon = true;
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete form.data();
    TCard::SetCardSize(FS_LARGE);
}

INSTANTIATE_TEST_SUITE_P(ThreeGames, SolverReplayTest,
                         ::testing::Values(TReplayCase{"TFreeCellForm", 20}, TReplayCase{"TSeaHavenForm", 20},
                                           TReplayCase{"TCastleForm", 20}, TReplayCase{"TsFreeCellForm", 3},
                                           TReplayCase{"TsSeaHavenForm", 3}, TReplayCase{"TsCastleForm", 3}),
                         [](const auto& info) { return std::string(info.param.ClassName); });

// --- The program's own solver against fc-solve: the same deals, the same verdicts ---

namespace {

// fc-solve's verdict on `board`. With single-card moves only it searches the
// whole game, so "could not solve" is a proof; -sel tells a spent budget apart.
TSolverResult::Verdict FcSolveVerdict(const QString& game, const QString& board) {
    QProcess solver;
    solver.start(QStringLiteral("fc-solve"), {"-g", game, "-to", "01ABCDE", "-mi", "300000", "-sel", "-"});
    if (!solver.waitForStarted(10000)) {
        ADD_FAILURE() << "fc-solve did not start";
        return TSolverResult::Undecided;
    }
    solver.write(board.toLatin1());
    solver.closeWriteChannel();
    solver.waitForFinished(60000);
    const QString out = QString::fromLatin1(solver.readAllStandardOutput());
    if (out.contains(QLatin1String("This game is solveable."))) return TSolverResult::Winnable;
    if (out.contains(QLatin1String("I could not solve this game."))) return TSolverResult::NotWinnable;
    return TSolverResult::Undecided;
}

class SolverVerdictTest : public ::testing::TestWithParam<const char*> {};

} // namespace

// QUILLANE_FCSOLVE_DEALS sets how many deals (from deal 1) each game compares.
TEST_P(SolverVerdictTest, AgreesWithFcSolveWhereverBothDecide) {
    const QString className = QLatin1String(GetParam());
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("fc-solve")).isEmpty())
        << "fc-solve is missing: install the Debian package freecell-solver-bin (make deps)";
    const int deals = qEnvironmentVariableIsSet("QUILLANE_FCSOLVE_DEALS") ? qEnvironmentVariableIntValue("QUILLANE_FCSOLVE_DEALS") : 12;
    ResetSettings();
    TFakeDialogs dialogs;
    QPointer<TGameForm> form = CreateGameForm(className);
    ASSERT_NE(form, nullptr);
    const auto solver = form->Solver();
    ASSERT_TRUE(solver);

    int both = 0, won = 0, lost = 0, onlyOurs = 0, onlyTheirs = 0;
    for (int n = 1; n <= deals; ++n) {
        form->GameWon = true; // no prompt for the next deal
        SeedRandom(quint32(n));
        form->NewGame1Click(form->NewGame1);
        const TSolverTable table = solver->Deal(quint32(n));
        ASSERT_TRUE(table == form->SolverTable()) << "deal " << n << " is not the window's";
        const QString board = SolverBoard(*form);
        const TSolverResult::Verdict theirs = FcSolveVerdict(QLatin1String(RulesOf(className).SolverGame), board);
        const TSolverResult ours = Solve(*solver, table, TSolverBudget{.Nodes = 50'000'000, .Seconds = 2.0});
        const bool oursDecided = ours.Kind != TSolverResult::Undecided, theirsDecided = theirs != TSolverResult::Undecided;
        onlyOurs += oursDecided && !theirsDecided;
        onlyTheirs += theirsDecided && !oursDecided;
        if (!oursDecided || !theirsDecided) continue;
        ++both;
        (ours.Kind == TSolverResult::Winnable ? won : lost) += ours.Kind == theirs;
        EXPECT_EQ(ours.Kind, theirs) << className.toStdString() << " deal " << n << " (0 winnable, 1 not)\n"
                                     << board.toStdString();
    }
    std::printf("[ VERDICTS ] %s: %d deals, both decided %d (agreed: %d winnable, %d not), only ours %d, only fc-solve %d\n",
                GetParam(), deals, both, won, lost, onlyOurs, onlyTheirs);
    RecordProperty("BothDecided", both);
    EXPECT_GE(both * 2, deals) << "too few deals decided by both solvers to compare";
    form->GameWon = true;
    delete form.data();
}

INSTANTIATE_TEST_SUITE_P(ThreeGames, SolverVerdictTest, ::testing::Values("TFreeCellForm", "TSeaHavenForm", "TCastleForm"),
                         [](const auto& info) { return std::string(info.param); });
