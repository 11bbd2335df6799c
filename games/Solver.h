// The solver: a game's rules over a TSolverTable, and a depth-first search
// with a table of positions already seen. A game writes one TSolverRules: its
// predicates (which its window calls too, so each rule is written once), the
// effects of its moves on the table, its deal and its win. The search knows
// no game.
#pragma once

#include "Move.h"
#include "SolverTable.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class TSolverRules {
public:
    virtual ~TSolverRules() = default;

    // --- Supplied by each game ---
    // The table of deal `number`, exactly as the window deals it (counters
    // included). Uses the calling thread's generator.
    virtual TSolverTable Deal(std::uint32_t number) const = 0;
    // Plays `move` on `table`: the cards, faces and counters change as the
    // window's handlers change them (the window's autoplay aside).
    virtual void Play(TSolverTable& table, const TMove& move) const = 0;
    // The game is won.
    virtual bool Won(const TSolverTable& table) const;

    // --- The move list ---
    // Every legal move, in the window's order (the same list as its
    // LegalMoves). The default builds it as the window's default does, from
    // the predicates below; games with other moves override it.
    virtual void Moves(const TSolverTable& table, TMoves& out) const;
    // The piles a lifted card may land on, in search order.
    std::vector<int> DropOrder;
    // The piles cards may be dragged from.
    std::vector<int> DragSources;
    // The foundations (for the default Won and for the ranking).
    std::vector<int> Foundations;
    // The columns (for the ranking: emptying one counts).
    std::vector<int> Columns;
    // The stock (-1: none) and the waste (-1: none).
    int Stock = -1;
    int Waste = -1;
    // The free cells (for the ranking: a move into one counts against it).
    std::vector<int> Cells;

    virtual bool MayLift(const TSolverTable&, int /*pile*/, int /*index*/) const { return false; }
    virtual bool Takes(const TSolverTable&, int /*target*/, const TCard* /*bottom*/, int /*count*/) const { return false; }
    // Where the double-click would send the top card of `pile` (-1: nowhere).
    virtual int HomeFor(const TSolverTable&, int /*pile*/) const { return -1; }
    // Whether a click on the stock changes the table.
    virtual bool StockTurnChanges(const TSolverTable&) const { return false; }

    // --- The search's guidance ---
    // How good a move looks; higher first. The default is the hint's ranking:
    // a card home, then a card turned up, a column emptied or a card freed, a
    // longer run built, a card from the waste; the stock last.
    virtual int Score(const TSolverTable& table, const TMove& move) const;
    // The key of a position for the table of positions seen; games whose
    // positions repeat under another order (free cells) may sort.
    virtual std::uint64_t Key(const TSolverTable& table) const { return table.Key(); }
    // Whether a move that the search finds useless in the position may be
    // left out (moves that only undo the last one, say). Default: none.
    virtual bool Prune(const TSolverTable&, const TMove& /*last*/, const TMove& /*move*/) const { return false; }
};

struct TSolverBudget {
    std::size_t Nodes = 2'000'000;        // positions expanded
    double Seconds = 2.0;                  // wall-clock time
    std::size_t TableBytes = 64u << 20;    // the table of positions seen
    const std::atomic<bool>* Cancel = nullptr; // set by another thread: stop now
};

// The budgets the program gives the solver: the hint waits about half a
// second; the deal search gives each candidate deal one second, and the whole
// search half a minute.
constexpr double kHintSeconds = 0.5;
constexpr double kCandidateSeconds = 1.0;
constexpr double kDealSearchSeconds = 30.0;

struct TSolverResult {
    enum Verdict { Winnable, NotWinnable, Undecided };
    Verdict Kind = Undecided;
    TMoves Moves;          // the solution when Winnable
    std::size_t Nodes = 0; // positions expanded
    double Seconds = 0;
    bool Cancelled = false;
};

// Searches from `start`. Moves are tried best first (Score), each position
// once. NotWinnable only when every reachable position was seen.
TSolverResult Solve(const TSolverRules& rules, const TSolverTable& start, const TSolverBudget& budget = {});

// The first deal from `number` on that the solver proves winnable: each
// candidate is solved within `perDeal`; the next candidate is the number the
// generator holds after the candidate's shuffle (what New Game would deal
// next). Gives up after `candidates` deals or when `total` runs out.
struct TWinnableDeal {
    bool Found = false;
    std::uint32_t Number = 0;
    int Tried = 0;
    TSolverResult Result;
};
TWinnableDeal FindWinnableDeal(const TSolverRules& rules, std::uint32_t number, const TSolverBudget& perDeal,
                               int candidates = 1000, double totalSeconds = 60.0);
