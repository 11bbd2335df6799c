#include "DblKlondikeWindow.h"

namespace {
using S = TPileSlot;
} // namespace

const TGameInfo& TDblKlondikeForm::LargeInfo() {
    static const TGameInfo info = [] {
        TGameInfo i = TKlondikeForm::LargeInfo();
        i.ClassName = QStringLiteral("TDblKlondikeForm");
        i.Name = QStringLiteral("Double Klondike");
        i.PlacementSection = QStringLiteral("DoubleKlondike");
        i.ProfileSection = QStringLiteral("DoubleKlondike");
        i.HelpTopic = 1002;
        i.Decks = 2;
        i.WinScore = 104;
        i.ClientWidth = 986;
        i.ClientHeight = 582;
        i.MinHeight = 480;
        i.ResizeMargin = 165;
        return i;
    }();
    return info;
}

const TLayout& TDblKlondikeForm::LargeLayout() {
    static const TLayout layout = [] {
        TLayout l = {
            {QStringLiteral("DeckPileView"), S::Stock, 8, 8, 129, 145, 0.4f, 0.2f, S::Hint, FS_RECYCLE},
            {QStringLiteral("DiscardPileView"), S::Waste, 144, 8, 129, 129, 20.0f, 2.0f, S::Draggable},
        };
        for (int i = 0; i < 8; ++i)
            l.push_back({Numbered("FoundationPile", i + 1), S::Foundation, 280 + 88 * i, 8, 80, 125, 0.0f, 0.0f, S::Bordered});
        for (int i = 0; i < 7; ++i)
            l.push_back({Numbered("TableauPileView", i + 1), S::Tableau, 72 + 96 * i, 160, 80, 417, 0.0f, 20.0f, S::Draggable});
        l.push_back({Numbered("TableauPileView", 8), S::Tableau, 744, 162, 80, 415, 0.0f, 20.0f, S::Draggable});
        l.push_back({Numbered("TableauPileView", 9), S::Tableau, 840, 162, 80, 415, 0.0f, 20.0f, S::Draggable});
        l.push_back({QStringLiteral("RecyclePileView"), S::Store, 640, 112, 25, 25, 0.0f, 0.0f, S::Hidden | S::Black});
        return l;
    }();
    return layout;
}

TDblKlondikeForm::TDblKlondikeForm(QWidget* parent) : TDblKlondikeForm(parent, LargeInfo(), LargeLayout()) {
    FormCreate();
}

TDblKlondikeForm::TDblKlondikeForm(QWidget* parent, const TGameInfo& info, const TLayout& layout)
    : TKlondikeForm(parent, info, layout) {}

bool TDblKlondikeForm::BeforeStockClick() {
    DeckPileView->State = TurnOverSpent() ? FS_BLANK : FS_RECYCLE;
    if (!DeckPileView->Pile->Cards.empty()) return true;
    if (TurnOverSpent()) {
        DeckPileView->repaint();
        return false;
    }
    ++PassCount;
    DeckPileView->repaint();
    return true;
}

void TDblKlondikeForm::UpdateStockHint() {
    TKlondikeForm::UpdateStockHint();
    if (DeckPileView->Pile->Cards.empty() && TurnOverSpent()) {
        DeckPileView->State = FS_BLANK;
        DeckPileView->repaint();
    }
}

const TGameInfo& TsDblKlondikeForm::SmallInfo() {
    static const TGameInfo info = SmallCardInfo(TDblKlondikeForm::LargeInfo(), QStringLiteral("TsDblKlondikeForm"),
                                                QStringLiteral("sDoubleKlondike"), QSize(756, 489), 300, 139);
    return info;
}

const TLayout& TsDblKlondikeForm::SmallLayout() {
    static const TLayout layout = SmallCardLayout(
        TDblKlondikeForm::LargeLayout(),
        TPlaces{{"DeckPileView", 8, 8, 113, 113}, {"DiscardPileView", 128, 8, 105, 101}} +
            PlaceRow("FoundationPile", 8, 240, 64, 8, 61, 95) + PlaceRow("TableauPileView", 9, 64, 72, 136, 61, 350, 16.0f) +
            TPlaces{{"RecyclePileView", 720, 112, 25, 25}});
    return layout;
}

TsDblKlondikeForm::TsDblKlondikeForm(QWidget* parent) : TDblKlondikeForm(parent, SmallInfo(), SmallLayout()) {
    FormCreate();
}
