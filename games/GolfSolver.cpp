#include "GolfSolver.h"

#include "Rules.h"

namespace {
constexpr int kRows = 5;
} // namespace

TGolfSolver::TGolfSolver(std::vector<int> columns, int stock, int discard) {
    Columns = std::move(columns);
    Stock = stock;
    Waste = discard;
}

bool TGolfSolver::MayPlay(const TCard* card, const TCard* top, bool kingStops) {
    if (top->Value == FS_KING && kingStops) return false;
    return Rules::OneUpOrDown(card, top);
}

bool TGolfSolver::MayPlayTop(const TSolverTable& table, int column) const {
    const TCard* card = table.Top(column);
    const TCard* top = table.Top(Waste);
    return card != nullptr && top != nullptr && MayPlay(card, top, table.Counter[KingStopsCounter] != 0);
}

// Five rows across the seven columns, then the opening stock turn.
TSolverTable TGolfSolver::Deal(std::uint32_t number) const {
    TSolverTable table(std::max(Stock, Waste) + 1);
    std::vector<const TCard*> deck = TSolverTable::ShuffledDeck(number, 1);
    for (int row = 0; row < kRows; ++row)
        for (int column : Columns) {
            table.Push(column, SolverCard(CardCode(deck.back()), true));
            deck.pop_back();
        }
    for (const TCard* card : deck) table.Push(Stock, card);
    table.TurnOver(Stock, 1, Waste, true);
    table.Counter[KingStopsCounter] = KingStops.load() ? 1 : 0;
    return table;
}

void TGolfSolver::Play(TSolverTable& table, const TMove& move) const {
    if (move.Type == TMove::StockTurn) table.TurnOver(Stock, 1, Waste, true);
    else if (move.Type == TMove::Press && MayPlayTop(table, move.Source)) table.MoveCards(move.Source, table.Size(move.Source) - 1, Waste);
}

bool TGolfSolver::Won(const TSolverTable& table) const { return table.Size(Waste) == table.CardCount(); }

void TGolfSolver::Moves(const TSolverTable& table, TMoves& out) const {
    out.clear();
    for (int column : Columns)
        if (MayPlayTop(table, column)) out.push_back(TMove::PressOn(column, table.Size(column) - 1, Waste));
    if (StockTurnChanges(table)) out.push_back(TMove::Stock(Stock));
}

int TGolfSolver::Score(const TSolverTable& table, const TMove& move) const {
    if (move.Type != TMove::Press) return TSolverRules::Score(table, move);
    const TCard* played = table.Top(move.Source);
    const bool kingStops = table.Counter[KingStopsCounter] != 0;
    int follows = 0;
    for (int other : Columns) {
        const int n = table.Size(other) - (other == move.Source ? 1 : 0);
        if (n > 0 && MayPlay(table.Card(other, n - 1), played, kingStops)) ++follows;
    }
    return 100 + 10 * follows + table.Size(move.Source);
}

std::uint64_t TGolfSolver::Key(const TSolverTable& table) const {
    std::uint64_t key = 1; // never 0
    for (int column : Columns) key = key << 3 | static_cast<std::uint64_t>(table.Size(column));
    key = key << 6 | static_cast<std::uint64_t>(table.Size(Stock));
    const TCard* top = table.Top(Waste);
    key = key << 7 | static_cast<std::uint64_t>(top != nullptr ? CardCode(top) + 1 : 0);
    return key << 1 | (table.Counter[KingStopsCounter] != 0 ? 1u : 0u);
}
