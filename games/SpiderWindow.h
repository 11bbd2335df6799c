// Spider: two decks, ten columns built down by rank in any suit, and eight
// foundations that each take one whole King-to-Ace run of a single suit. The
// stock deals one face-up card onto every column at a time, and only while
// no column is empty.
#pragma once

#include "GameForm.h"

class TSpiderForm : public TGameForm {
    Q_OBJECT

public:
    explicit TSpiderForm(QWidget* parent = nullptr);

    static const TGameInfo& LargeInfo();
    static const TLayout& LargeLayout();

    TCardPileView* DeckPileView = nullptr;
    QAction* SameSuitBuilds1 = nullptr;

    // Handlers, bound to the pile views and menu items.
    void DeckPileViewClick(QObject* sender);
    void TableauPile1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void TableauPile1StartDrag(QObject* sender);
    void TableauPile1DragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept);
    void FoundPile1DragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept);
    void TableauPile1EndDrag(QObject* sender, QObject* target, int x, int y);
    void SameSuitBuilds1Click();
    void Undo1Click() override;

protected:
    TSpiderForm(QWidget* parent, const TGameInfo& info, const TLayout& layout);

    bool AddOptionItems(QMenu* menu) override;
    void ReadOptions() override;
    void DealCards(bool newDeal, bool quiet) override;
    int CountScore() const override;
    bool HasStock() const override { return true; }
    void StockClick() override { DeckPileViewClick(DeckPileView); }

    bool SameSuitMoves() const;
    bool AnyColumnEmpty() const;
    // The rules live in the solver's rules (SpiderSolver.h); the option is a
    // counter of the table, and the rules know it for new deals.
    std::shared_ptr<TSolverRules> MakeSolver() const override;
    void SolverCounters(TSolverTable& table) const override;
    void SolverOptionChanged() const;
    // Whether the cards from `index` of `source` may land on `target`; a
    // run lifted by a drag counts where it came from.
    bool MayLand(const TCardPileView* target, const TCardPileView* source, int index) const override;
    bool MayLandDragged(const TCardPileView* target, const TCardPileView* source) const;
    // Single cards never go home in Spider.
    TCardPileView* FoundationFor(const TCard*) const override { return nullptr; }
    void UpdateStockHint();
    void CheckForWin();
};

class TsSpiderForm : public TSpiderForm {
    Q_OBJECT

public:
    explicit TsSpiderForm(QWidget* parent = nullptr);
    static const TGameInfo& SmallInfo();
    static const TLayout& SmallLayout();
};
