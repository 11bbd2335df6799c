// Beleaguered Castle: the four Aces start on the foundations, the other 48
// cards lie face up in eight rows of six, four either side of the
// foundations. Only a row's outer card moves, one card at a time; rows build
// down regardless of suit, and any card may fill an empty row.
#pragma once

#include "GameForm.h"

class TCastleForm : public TGameForm {
    Q_OBJECT

public:
    explicit TCastleForm(QWidget* parent = nullptr);

    static const TGameInfo& LargeInfo();
    static const TLayout& LargeLayout();

    TCardPileView* DeckPileView = nullptr;
    QAction* Autoplay1 = nullptr;
    bool AutoplayOn = false;

    // Handlers, bound to the pile views and menu items.
    void TableauPileView1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void TableauPileView1DblClick(QObject* sender);
    void TableauPileView1StartDrag(QObject* sender);
    void TableauPileView1DragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept);
    void FoundationPileView1DragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept);
    void TableauPileView1EndDrag(QObject* sender, QObject* target, int x, int y);
    void Autoplay1Click();

protected:
    TCastleForm(QWidget* parent, const TGameInfo& info, const TLayout& layout);

    bool AddOptionItems(QMenu* menu) override;
    void ReadOptions() override;
    void DealCards(bool newDeal, bool quiet) override;
    int CountScore() const override;
    void DoubleClickMove(TCardPileView* view) override;
    TCardPileView* FoundationFor(const TCard* card) const override;

    // The rules live in TCastleSolver, shared with the solver.
    std::shared_ptr<TSolverRules> MakeSolver() const override;
    bool CanDropOnColumn(TCardPileView* target, TCardPileView* source) const;
    bool CanDropOnFoundation(TCardPileView* target, TCardPileView* source) const;
    // The middle button on a column is the double-click move.
    TMove PressMove(const TCardPileView* view, Qt::MouseButton button, Qt::KeyboardModifiers shift) const override {
        if (button != Qt::MiddleButton) return TGameForm::PressMove(view, button, shift);
        return TMove::Home(IndexOf(view), static_cast<int>(view->Pile->Cards.size()) - 1);
    }
    void MoveDone();
    void AutoplayPass();

private:
    void BindEvents();
};

class TsCastleForm : public TCastleForm {
    Q_OBJECT

public:
    explicit TsCastleForm(QWidget* parent = nullptr);
    static const TGameInfo& SmallInfo();
    static const TLayout& SmallLayout();
};
