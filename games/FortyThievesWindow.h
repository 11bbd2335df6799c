// Forty Thieves: two decks, forty cards face up in ten columns, a stock
// turned once, one card at a time, onto a waste, and eight foundations built
// up in suit from the Ace. Columns build down in suit; only single cards
// move, and any card may go to an empty column. A small window peeks at the
// next stock card.
#pragma once

#include "FTPeekDialog.h"
#include "GameForm.h"

#include <QPointer>

class TFortyThievesForm : public TGameForm {
    Q_OBJECT

public:
    explicit TFortyThievesForm(QWidget* parent = nullptr);
    ~TFortyThievesForm() override;

    static const TGameInfo& LargeInfo();
    static const TLayout& LargeLayout();

    TCardPileView* DeckPileView = nullptr;
    TCardPileView* DiscardPileView = nullptr;

    QAction* Autoplay1 = nullptr;
    QAction* Peek1 = nullptr; // null in games without the peek command
    bool AutoplayOn = false;

    // The peek window while it exists (made on the first Peek).
    TFTPeekDlg* PeekDialog() const { return PeekDlg.data(); }

    // Handlers, bound to the pile views and menu items.
    void DeckPileViewClick(QObject* sender);
    void TableauPile1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void DiscardPileViewDblClick(QObject* sender);
    void TableauPile1StartDrag(QObject* sender);
    void TableauPile1DragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept);
    void FoundPile1DragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept);
    void TableauPile1EndDrag(QObject* sender, QObject* target, int x, int y);
    void Autoplay1Click();
    void Peek1Click();
    void Undo1Click() override;

protected:
    TFortyThievesForm(QWidget* parent, const TGameInfo& info, const TLayout& layout);

    bool AddOptionItems(QMenu* menu) override;
    void AddExtraCommands(QMenu* menu) override;
    void ReadOptions() override;
    void DealCards(bool newDeal, bool quiet) override;
    int CountScore() const override;
    bool HasStock() const override { return true; }
    void StockClick() override { DeckPileViewClick(DeckPileView); }
    void DoubleClickMove(TCardPileView* view) override;
    void BeforeMenuShows() override;
    void OnFormClose() override;

    // The rules live in the solver's rules (FortyThievesSolver.h).
    std::shared_ptr<TSolverRules> MakeSolver() const override;
    // Whether the card lifted from `source` may land on `target`: the drag's test.
    bool LandsDragged(const TCardPileView* target, const TCardPileView* source) const;
    // What a game of this shape does after a card was played (or a
    // double-click found nothing), before the score and autoplay.
    virtual void AfterPlay() {}
    // What it does after a stock card was turned.
    virtual void AfterStockTurn() {}

    void MoveDone();
    void AutoplayPass();
    void UpdateStockHint();
    // A visible peek window shows the stock's top card, or closes when the
    // stock is empty.
    void RefreshPeek();
    // The stock's cards, the stock's top card.
    bool StockEmpty() const { return DeckPileView->Pile->Cards.empty(); }
    TCard* StockTop() const { return DeckPileView->Pile->CardAt(TOP_OF_PILE); }

private:
    void BindEvents();

    QPointer<TFTPeekDlg> PeekDlg;
};

class TsFortyThievesForm : public TFortyThievesForm {
    Q_OBJECT

public:
    explicit TsFortyThievesForm(QWidget* parent = nullptr);
    static const TGameInfo& SmallInfo();
    static const TLayout& SmallLayout();
};

// The small-card places of the Forty Thieves table, with foundations at
// `foundationLeft` (Indian Patience shares the table but not that column).
TPlaces FortyThievesSmallPlaces(int foundationLeft);
