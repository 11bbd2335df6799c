// Pyramid: 28 cards face up in seven overlapping rows, the rest a stock
// turned one card at a time onto a play position, the previous play card
// going to a waste. Two free cards adding up to 13 are discarded together, a
// free King alone; the stock may be gone through three times. The window
// moves the cards of a drop itself (its views are ManualDrop).
#pragma once

#include "GameForm.h"

class QLabel;

class TPyramidForm : public TGameForm {
    Q_OBJECT

public:
    explicit TPyramidForm(QWidget* parent = nullptr);

    static const TGameInfo& LargeInfo();
    static const TLayout& LargeLayout();

    // CardPileView1 ... CardPileView28, row by row from the apex. A position
    // is visible while it holds its card; its AllowDrag is its free flag.
    std::vector<TCardPileView*> Pyramid;
    TCardPileView* DeckPileView = nullptr;
    TCardPileView* PlayPileView = nullptr;
    TCardPileView* WastePileView = nullptr;
    TCardPileView* DiscardPileView = nullptr;
    QLabel* Label1 = nullptr;

    int PassNumber = 1;   // the current pass through the stock, 1 to 3
    int DiscardCount = 0; // cards on the discard pile: the score

    int UpdateScore() override;

    // Handlers, bound to the pile views.
    void DeckPileViewClick(QObject* sender);
    void CardPileView1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void CardPileView1DblClick(QObject* sender);
    void CardPileView1StartDrag(QObject* sender);
    void PlayPileViewStartDrag(QObject* sender);
    void CardPileView1DragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept);
    void DiscardPileViewDragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept);
    void FormDragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept) override;
    void CardPileView1DragDrop(QObject* sender, TCardPileView* source, int x, int y);
    void PlayPileViewDragDrop(QObject* sender, TCardPileView* source, int x, int y);
    void DiscardPileViewDragDrop(QObject* sender, TCardPileView* source, int x, int y);
    void CardPileView1EndDrag(QObject* sender, QObject* target, int x, int y);
    void Undo1Click() override;

protected:
    TPyramidForm(QWidget* parent, const TGameInfo& info, const TLayout& layout, int labelPixels);

    void DealCards(bool newDeal, bool quiet) override;
    int CountScore() const override;
    bool HasStock() const override { return true; }
    void StockClick() override { DeckPileViewClick(DeckPileView); }
    // The King click: a free King goes to the discard pile alone.
    void DoubleClickMove(TCardPileView* view) override;
    void AfterPreferences() override { SetLabelColour(); }

    // The rules: pairs are drops onto the other card, a King a drop on the
    // discard pile or the King click.
    std::shared_ptr<TSolverRules> MakeSolver() const override;
    void SolverCounters(TSolverTable& table) const override;
    TCardPileView* StockView() const override { return DeckPileView; }

private:
    void BindEvents();
    // 0 ... 27 for a pyramid view, -1 for any other view.
    int PositionOf(const TCardPileView* view) const;
    QString PileLabel(const TCardPileView* view) const override;
    bool IsPyramid(const TCardPileView* view) const { return PositionOf(view) >= 0; }
    // The view at row r, place c (both from 1), or null outside the pyramid.
    TCardPileView* At(int row, int place) const;
    // Whether `card`, from `source`, pairs with the top card of `target`.
    bool Pairs(const TCardPileView* target, const TCardPileView* source, const TCard* card) const;
    // Whether the dragged card of `source` pairs with the top card of `target`.
    bool MayPair(TCardPileView* target, TCardPileView* source) const;
    // The card has gone: the view hides at the back, the rows above learn it.
    void ClearPosition(TCardPileView* view);
    // The card is back: the view shows at the front.
    void ShowPosition(TCardPileView* view);
    void UpdateFreeCards(const TCardPileView* position);
    void RepaintPyramidFrom(const TCardPileView* position);
    // The start of each pair or King removal.
    void DiscardDragged(TCardPileView* source);
    void CheckForWin();
    void UpdateStockHint();
    void ShowPass();
    void SetLabelColour();
    // Undoes the newest record and repaints what it touched.
    void UndoRecord();
};

class TsPyramidForm : public TPyramidForm {
    Q_OBJECT

public:
    explicit TsPyramidForm(QWidget* parent = nullptr);
    static const TGameInfo& SmallInfo();
    static const TLayout& SmallLayout();
};
