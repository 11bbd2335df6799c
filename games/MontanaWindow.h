// Montana: the whole deck face up on a grid of four rows of thirteen, the
// Aces taken out to leave four gaps. A gap takes the card of the same suit
// one rank above the card to its left; a gap in the first column takes a 2.
// Each row is to run 2 to King of one suit in columns 1 to 12. Twice a deal
// the cards out of sequence may be gathered, shuffled and dealt again.
#pragma once

#include "GameForm.h"

class TMontanaForm : public TGameForm {
    Q_OBJECT

public:
    static constexpr int Rows = 4;
    static constexpr int Columns = 13;

    explicit TMontanaForm(QWidget* parent = nullptr);

    static const TGameInfo& LargeInfo();
    static const TLayout& LargeLayout();

    // CardPileView1 ... CardPileView52, row by row: (row r, column c), both
    // from 0, is Grid[13 r + c].
    std::vector<TCardPileView*> Grid;
    TCardPileView* DiscardPileView = nullptr; // the Aces, never shown

    QAction* Shuffle1 = nullptr;
    int RedealCount = 0; // Shuffle Remaining used in this deal
    bool CardMoved = false;

    // Handlers, bound to the grid and the menu.
    void CardPileView1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void CardPileView1DblClick(QObject* sender);
    void CardPileView1StartDrag(QObject* sender);
    void CardPileView1DragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept);
    void CardPileView1EndDrag(QObject* sender, QObject* target, int x, int y);
    void Shuffle1Click();

protected:
    // Either button and any modifier: the action is the press.
    TMove PressMove(const TCardPileView* view, Qt::MouseButton, Qt::KeyboardModifiers) const override {
        return TGameForm::PressMove(view, Qt::LeftButton, {});
    }
    TMontanaForm(QWidget* parent, const TGameInfo& info, const TLayout& layout);

    bool AddOptionItems(QMenu* menu) override;
    void DealCards(bool newDeal, bool quiet) override;
    int CountScore() const override;

    // The rules: presses on cards and on gaps (Shuffle Remaining is no move).
    std::shared_ptr<TSolverRules> MakeSolver() const override;
    QString HintWithoutMoves() const override;

private:
    TCardPileView* At(int row, int column) const { return Grid[std::size_t(Columns * row + column)]; }
    static TCard* CardOf(const TCardPileView* view);
    // 0 ... 51 for a grid position, -1 for any other view.
    int GridIndex(const TCardPileView* view) const;
    QString PileLabel(const TCardPileView* view) const override;
    // The gap a press sends the card at `view` to, or null.
    TCardPileView* AutomaticTarget(const TCardPileView* view) const;
    // The position whose card a click on the gap `gap` pulls in, or null.
    TCardPileView* GapFiller(const TCardPileView* gap) const;
    // Whether `card` fits the gap at grid index `gap`.
    bool Fits(const TCard* card, int gap) const;
    // The cards of `row` in sequence from column 1: a 2, then its suit upwards.
    int KeptLength(int row) const;
    // The automatic move of the card at `view`; true when it moved.
    bool AutomaticMove(TCardPileView* view);
    // Fills the gap at `gap` by a click; false when a King stands left of it.
    bool FillGap(TCardPileView* gap);
    void CheckForWin();
};

class TsMontanaForm : public TMontanaForm {
    Q_OBJECT

public:
    explicit TsMontanaForm(QWidget* parent = nullptr);
    static const TGameInfo& SmallInfo();
    static const TLayout& SmallLayout();
};
