// Klondike: seven columns in a staircase, a stock dealt one or three cards at
// a time onto a waste, four foundations built up by suit from the Ace.
// The waste shows only the latest draw; older waste cards wait, in order, in
// a hidden store and come back when the visible waste has been played empty.
#pragma once

#include "GameForm.h"

class TKlondikeForm : public TGameForm {
    Q_OBJECT

public:
    explicit TKlondikeForm(QWidget* parent = nullptr);

    static const TGameInfo& LargeInfo();
    static const TLayout& LargeLayout();

    TCardPileView* DeckPileView = nullptr;
    TCardPileView* DiscardPileView = nullptr;
    TCardPileView* RecyclePileView = nullptr;

    QAction* Autoplay1 = nullptr;
    QAction* DrawThree1 = nullptr;
    QAction* DrawOne1 = nullptr;
    bool AutoplayOn = false;
    bool DrawThreeOn = true;

    // Handlers, bound to the pile views and menu items.
    void DeckPileViewClick(QObject* sender);
    void DiscardPileViewMouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void TableauPileView1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void DiscardPileViewDblClick(QObject* sender);
    void TableauPileView1StartDrag(QObject* sender);
    void TableauPileView1DragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept);
    void FoundationPile1DragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept);
    void TableauPileView1EndDrag(QObject* sender, QObject* target, int x, int y);
    void DrawThree1Click();
    void DrawOne1Click();
    void Autoplay1Click();
    void Undo1Click() override;

protected:
    TKlondikeForm(QWidget* parent, const TGameInfo& info, const TLayout& layout);

    bool AddOptionItems(QMenu* menu) override;
    void ReadOptions() override;
    void DealCards(bool newDeal, bool quiet) override;
    int CountScore() const override;
    bool HasStock() const override { return true; }
    void StockClick() override { DeckPileViewClick(DeckPileView); }
    void DoubleClickMove(TCardPileView* view) override;

    int DrawCount() const { return DrawThreeOn ? 3 : 1; }

    // The rules live in TKlondikeSolver; the table's counters hold the draw
    // mode and the turn-over limit.
    std::shared_ptr<TSolverRules> MakeSolver() const override;
    void SolverCounters(TSolverTable& table) const override;
    // Whether the stock may be turned over only once in Draw One (Double
    // Klondike), and whether that turn-over has been used.
    virtual bool OneTurnOver() const { return false; }
    virtual bool TurnOverSpent() const { return false; }
    void RefillWaste();
    virtual void UpdateStockHint();
    void CheckForWin();
    void AutoplayPass();

    // Double Klondike's pass limit hooks in here.
    virtual bool ThinStockWhileDealing() const { return true; }
    // Called at a stock click once the draw mode is fixed; false ends the
    // click there (no turn-over, no draw, no sound).
    virtual bool BeforeStockClick() { return true; }
    virtual void AfterStockUndoTurnOver() {}
    virtual void AfterDeal() {}

private:
    void BindEvents();
    // Moves the visible waste (up to the draw count, bottom first) onto the
    // store and records it.
    void ShiftWasteToStore();
    void SetDrawThree(bool on);
    // New deals of the solver follow the draw mode.
    void SyncSolverOptions();
};

class TsKlondikeForm : public TKlondikeForm {
    Q_OBJECT

public:
    explicit TsKlondikeForm(QWidget* parent = nullptr);
    static const TGameInfo& SmallInfo();
    static const TLayout& SmallLayout();
};
