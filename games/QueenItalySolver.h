// Queen of Italy's rules over a TSolverTable: the base choice, the terrace
// whose cards go only home, columns down in alternate colours, foundations
// up from the base, the stock that after a turn-over turns only onto an
// empty waste. The window asks the same rules.
#pragma once

#include "Solver.h"

class TQueenItalySolver : public TSolverRules {
public:
    // Piles as the window lays them out.
    static constexpr int Terrace = 0, FirstFoundation = 1, FirstColumn = 9, Deck = 18, DiscardPile = 19;
    static constexpr int FoundationCount = 8, ColumnCount = 9, PileCount = 20;
    static constexpr int TerraceCards = 11, FirstColumns = 4;
    // Counter slots: the base chosen (0/1), its rank, a turn-over standing (0/1).
    static constexpr int BaseChosenSlot = 0, BaseRankSlot = 1, TurnedSlot = 2;

    TQueenItalySolver();

    TSolverTable Deal(std::uint32_t number) const override;
    void Play(TSolverTable& table, const TMove& move) const override;
    // Before the base is chosen, a press on each column card; then drops,
    // cards sent home and the stock turn.
    void Moves(const TSolverTable& table, TMoves& out) const override;

    bool MayLift(const TSolverTable& table, int pile, int index) const override;
    bool Takes(const TSolverTable& table, int target, const TCard* bottom, int count) const override;
    int HomeFor(const TSolverTable& table, int pile) const override;
    bool StockTurnChanges(const TSolverTable& table) const override;

    // Before the base is chosen: the bases that the terrace allows, those
    // that send its top cards home soonest first.
    int Score(const TSolverTable& table, const TMove& move) const override;
    std::uint64_t Key(const TSolverTable& table) const override;
    bool Prune(const TSolverTable& table, const TMove& last, const TMove& move) const override;

    // Whether a column whose top card is `top` (null: empty) takes `card`;
    // a card from the terrace goes only home.
    static bool ColumnTakes(const TCard* card, const TCard* top, bool fromTerrace);
    // The first foundation that takes `card`, or -1 (none before the base is chosen).
    static int FoundationFor(const TSolverTable& table, const TCard* card);

private:
    static bool Lands(const TSolverTable& table, int source, int target, const TCard* card);
    // A card that may go home now without any loss: no card left could
    // ever be built on it.
    static bool SafeHome(const TSolverTable& table, const TCard* card);
    // Whether the terrace's order keeps one of its cards from ever going home.
    static bool TerraceBlocked(const TSolverTable& table);
};
