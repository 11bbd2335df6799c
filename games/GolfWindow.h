// Golf: thirty-five cards in seven columns of five, the rest a stock turned
// one card at a time onto a discard pile. A column's top card goes onto the
// discard pile when it is one rank above or below the discard pile's top
// card, suits aside, ranks not wrapping. Every card on the discard pile
// scores; all 52 there wins.
#pragma once

#include "GameForm.h"

class TGolfForm : public TGameForm {
    Q_OBJECT

public:
    explicit TGolfForm(QWidget* parent = nullptr);

    static const TGameInfo& LargeInfo();
    static const TLayout& LargeLayout();

    TCardPileView* DeckPileView = nullptr;
    TCardPileView* DiscardPileView = nullptr;

    QAction* KingStopsSequence1 = nullptr;
    bool KingStopsOn = true;

    // Handlers, bound to the pile views and menu items.
    void DeckPileViewClick(QObject* sender);
    void TableauPileView1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void TableauPileView1StartDrag(QObject* sender);
    void KingStopsSequence1Click();
    void Undo1Click() override;

protected:
    // Shift and Ctrl change nothing: a left press on a column plays as it is.
    TMove PressMove(const TCardPileView* view, Qt::MouseButton button, Qt::KeyboardModifiers) const override {
        return TGameForm::PressMove(view, button, {});
    }
    TGolfForm(QWidget* parent, const TGameInfo& info, const TLayout& layout);

    bool AddOptionItems(QMenu* menu) override;
    void ReadOptions() override;
    void DealCards(bool newDeal, bool quiet) override;
    int CountScore() const override;
    bool HasStock() const override { return true; }
    void StockClick() override { DeckPileViewClick(DeckPileView); }

    // The rules live in TGolfSolver; the table's counter holds the option.
    std::shared_ptr<TSolverRules> MakeSolver() const override;
    void SolverCounters(TSolverTable& table) const override;

private:
    // Whether a press on the top card of `column` plays it.
    bool MayPlayTop(const TCardPileView* column) const;
    void TurnStockCard(bool quiet);
    void UpdateStockHint();
    void CheckForWin();
    // New deals of the solver follow the option.
    void SyncSolverOptions();
};

class TsGolfForm : public TGolfForm {
    Q_OBJECT

public:
    explicit TsGolfForm(QWidget* parent = nullptr);
    static const TGameInfo& SmallInfo();
    static const TLayout& SmallLayout();
};
