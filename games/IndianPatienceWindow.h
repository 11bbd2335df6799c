// Indian Patience: the Forty Thieves table with three cards dealt to each
// column, the bottom one face down. Columns build down in any suit but the
// card's own. While the stock lasts, a column's bottom card (its base card)
// takes no card and moves only to a foundation, and an emptied column is
// dealt three new cards from the stock at once.
#pragma once

#include "FortyThievesWindow.h"

#include <array>

class TIndianPatienceForm : public TFortyThievesForm {
    Q_OBJECT

public:
    explicit TIndianPatienceForm(QWidget* parent = nullptr);

    static const TGameInfo& LargeInfo();
    static const TLayout& LargeLayout();

    // Each column's base card (not owned), or null; all null once the stock is empty.
    std::array<TCard*, 10> BaseCards{};

    void Undo1Click() override;

protected:
    TIndianPatienceForm(QWidget* parent, const TGameInfo& info, const TLayout& layout);

    void AddExtraCommands(QMenu*) override {} // no peek
    void DealCards(bool newDeal, bool quiet) override;
    std::shared_ptr<TSolverRules> MakeSolver() const override;
    void AfterPlay() override;
    void AfterStockTurn() override { RefreshBaseCards(); }

    // Deals three cards from the stock to every empty column, the first face
    // down as its base; each refilled column is one move and one record.
    void RefillEmptyColumns();
    // Finds each column's base card, turns it down while covered and up when
    // alone, and lifts the base restrictions when the stock is empty. A base
    // turned up by the player's move is recorded with it (`recordTurns`), so
    // that Undo turns it down again.
    void RefreshBaseCards(bool recordTurns = true);

private:
    // Undoes the newest record of an action; false for a turn-up (no move).
    bool UndoRecord();
};

class TsIndianPatienceForm : public TIndianPatienceForm {
    Q_OBJECT

public:
    explicit TsIndianPatienceForm(QWidget* parent = nullptr);
    static const TGameInfo& SmallInfo();
    static const TLayout& SmallLayout();
};
