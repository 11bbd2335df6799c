// Queen of Italy: two decks, an eleven-card terrace whose cards may only go
// home, nine columns built down in alternate colours (a King on an Ace), and
// eight foundations built up by suit from a base rank the player picks with
// the first press (an Ace follows a King). The stock turns one card at a time
// onto a waste and may be turned over; after a turn-over a card is turned
// only onto an empty waste.
#pragma once

#include "GameForm.h"

class TQueenItalyForm : public TGameForm {
    Q_OBJECT

public:
    explicit TQueenItalyForm(QWidget* parent = nullptr);

    static const TGameInfo& LargeInfo();
    static const TLayout& LargeLayout();

    TCardPileView* TerracePileView = nullptr;
    TCardPileView* DeckPileView = nullptr;
    TCardPileView* DiscardPileView = nullptr;
    QAction* Autoplay1 = nullptr;

    bool AutoplayOn = false;
    bool BaseChosen = false;
    CardValue BaseRank = FS_ACE;
    // Turn-overs of the stock still standing (undone ones are taken off):
    // while any stands, a card is turned only onto an empty waste.
    int StockTurns = 0;
    bool StockTurned() const { return StockTurns > 0; }

    // Handlers, bound to the pile views and menu items.
    void DeckPileViewClick(QObject* sender);
    void TableauPileView1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                   int y);
    void DiscardPileViewMouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void TableauPileView1DblClick(QObject* sender);
    void TableauPileView1StartDrag(QObject* sender);
    void TableauPileView1DragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept);
    void FoundPile1DragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept);
    void TableauPileView1EndDrag(QObject* sender, QObject* target, int x, int y);
    void Autoplay1Click();
    void Undo1Click() override;

protected:
    // Until the base is chosen a press chooses it, whatever keys are held.
    TMove PressMove(const TCardPileView* view, Qt::MouseButton button, Qt::KeyboardModifiers shift) const override {
        return TGameForm::PressMove(view, button, BaseChosen ? shift : Qt::KeyboardModifiers());
    }
    TQueenItalyForm(QWidget* parent, const TGameInfo& info, const TLayout& layout);

    bool AddOptionItems(QMenu* menu) override;
    void ReadOptions() override;
    void DealCards(bool newDeal, bool quiet) override;
    int CountScore() const override;
    bool HasStock() const override { return true; }
    void StockClick() override { DeckPileViewClick(DeckPileView); }
    void DoubleClickMove(TCardPileView* view) override;
    TCardPileView* FoundationFor(const TCard* card) const override;

    void ChooseBase(TCardPileView* column);
    void FillGaps();
    void TurnStockCard();
    bool CanDropOnColumn(TCardPileView* target, TCardPileView* source) const;
    bool CanDropOnFoundation(TCardPileView* target, TCardPileView* source) const;
    // Whether `card`, from `source`, may go onto the column `target`.
    bool ColumnTakes(const TCardPileView* target, const TCardPileView* source, const TCard* card) const;

    // The rules: the base choice, then drops, cards sent home and the stock.
    std::shared_ptr<TSolverRules> MakeSolver() const override;
    void SolverCounters(TSolverTable& table) const override;
    void UpdateStockHint();
    void MoveDone();
    void AutoplayPass();
};

class TsQueenItalyForm : public TQueenItalyForm {
    Q_OBJECT

public:
    explicit TsQueenItalyForm(QWidget* parent = nullptr);
    static const TGameInfo& SmallInfo();
    static const TLayout& SmallLayout();
};
