// A small game window for the table tests: four columns, a foundation, a
// stock and a waste on a TzBackground, with just enough rules to drag cards
// between them. Every event is logged so tests can check the order.
#pragma once

#include "Blend.h"
#include "CardDrag.h"
#include "CardPileView.h"

#include <QWidget>
#include <string>
#include <vector>

class TDemoTable : public QWidget {
public:
    TDemoTable();
    ~TDemoTable() override;

    // Deals `counts[i]` cards from the unshuffled deck onto column i, all
    // face up.
    void Deal(const std::vector<int>& counts);
    // Background set-up as a game applies it: FS_BITMAP views for pictures
    // and the straight gradients, FS_NORMAL otherwise.
    void ApplyBackground(TzBackType type, gradType fill = gVert);

    // Window coordinates of point `p` of `view`.
    QPoint At(const TCardPileView* view, QPoint p) const { return view->mapTo(this, p); }

    TCardPileView* Column[4] = {};
    TCardPileView* Foundation = nullptr;
    TCardPileView* Stock = nullptr;
    TCardPileView* Waste = nullptr;
    TzBackground* Background = nullptr;
    TCardPile Deck;
    std::vector<std::string> Log;

    bool TableAccepts = true; // the bare table accepts while a target is set
    bool ColumnsAccept = true;

private:
    void Wire(TCardPileView* view);
    std::string NameOf(QObject* object) const;
};
