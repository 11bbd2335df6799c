// FreeCell: all 52 cards dealt face up into eight columns, four free cells
// that hold one card each, four foundations built up by suit from the Ace.
// Columns build down in alternate colours; a run may be lifted when enough
// free cells are empty to carry it card by card.
#pragma once

#include "GameForm.h"

class TFreeCellForm : public TGameForm {
    Q_OBJECT

public:
    explicit TFreeCellForm(QWidget* parent = nullptr);

    static const TGameInfo& LargeInfo();
    static const TLayout& LargeLayout();

    QAction* Autoplay1 = nullptr;
    bool AutoplayOn = false;

    // Handlers, bound to the pile views and menu items.
    void TableauPileView1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void FreePileView1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void TableauPileView1DblClick(QObject* sender);
    void TableauPileView1StartDrag(QObject* sender);
    void TableauPileView1DragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept);
    void FoundPileView1DragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept);
    void FreePileView1DragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept);
    void TableauPileView1EndDrag(QObject* sender, QObject* target, int x, int y);
    void Autoplay1Click();

protected:
    TFreeCellForm(QWidget* parent, const TGameInfo& info, const TLayout& layout);

    bool AddOptionItems(QMenu* menu) override;
    void ReadOptions() override;
    void DealCards(bool newDeal, bool quiet) override;
    int CountScore() const override;
    void DoubleClickMove(TCardPileView* view) override;

    // The rules live in TFreeCellSolver, shared with the solver.
    std::shared_ptr<TSolverRules> MakeSolver() const override;
    // Whether the cards lifted in `source` may go onto the column `target`.
    bool CanDropOnColumn(TCardPileView* target, TCardPileView* source) const;
    bool CanDropOnFoundation(TCardPileView* target, TCardPileView* source) const;
    // The first legal destination of a drag that has none yet.
    virtual void PresetDropTarget(TCardPileView* source);

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

class TsFreeCellForm : public TFreeCellForm {
    Q_OBJECT

public:
    explicit TsFreeCellForm(QWidget* parent = nullptr);
    static const TGameInfo& SmallInfo();
    static const TLayout& SmallLayout();
};
