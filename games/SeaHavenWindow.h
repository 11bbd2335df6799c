// Sea Towers: ten columns of five face-up cards, the last two cards in the
// two middle free cells, four foundations built up by suit from the Ace.
// Columns build down in suit, and only a King (with its run) fills an empty
// column. Everything else plays as in FreeCell.
#pragma once

#include "FreeCellWindow.h"

class TSeaHavenForm : public TFreeCellForm {
    Q_OBJECT

public:
    explicit TSeaHavenForm(QWidget* parent = nullptr);

    static const TGameInfo& LargeInfo();
    static const TLayout& LargeLayout();

protected:
    TSeaHavenForm(QWidget* parent, const TGameInfo& info, const TLayout& layout);

    void DealCards(bool newDeal, bool quiet) override;
    std::shared_ptr<TSolverRules> MakeSolver() const override;
    void PresetDropTarget(TCardPileView* source) override;
};

class TsSeaHavenForm : public TSeaHavenForm {
    Q_OBJECT

public:
    explicit TsSeaHavenForm(QWidget* parent = nullptr);
    static const TGameInfo& SmallInfo();
    static const TLayout& SmallLayout();
};
