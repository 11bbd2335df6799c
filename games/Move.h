// TMove: one player action as a value. Piles are named by their index in the
// window's list of pile views (layout order), so a move means the same on the
// window and on any copy of its table, and needs no widget to be kept.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

struct TMove {
    enum Kind : std::uint8_t {
        Drop,      // the cards from Index up, lifted from Source and dropped on Target
        SendHome,  // the double-click on Source's top card (Index)
        StockTurn, // a click on the stock (Source)
        Press,     // a click on card Index of Source (-1: the empty pile) that plays
    };

    Kind Type = Drop;
    int Source = -1;
    int Index = -1;  // first card taken; -1 for none
    int Target = -1; // -1 where the game decides (SendHome, StockTurn, Press)

    static TMove DropOn(int source, int index, int target) { return {Drop, source, index, target}; }
    static TMove Home(int source, int index, int target = -1) { return {SendHome, source, index, target}; }
    static TMove Stock(int stock) { return {StockTurn, stock, -1, -1}; }
    static TMove PressOn(int source, int index, int target = -1) { return {Press, source, index, target}; }

    friend bool operator==(const TMove&, const TMove&) = default;
};

using TMoves = std::vector<TMove>;

// "TableauPileView3 #4 -> FoundationPile2", "DeckPileView: stock",
// "DiscardPileView #9: home -> FoundationPile1", "GridPileView12: press".
// `names` are the window's pile view names, index for index.
QString MoveText(const TMove& move, const std::vector<QString>& names);
