#include "DblKlondikeWindow.h"

namespace {
using S = TPileSlot;

const char* const kFoundations[] = {"FoundationPile1", "FoundationPile2", "FoundationPile3", "FoundationPile4",
                                    "FoundationPile5", "FoundationPile6", "FoundationPile7", "FoundationPile8"};
const char* const kColumns[] = {"TableauPileView1", "TableauPileView2", "TableauPileView3",
                                "TableauPileView4", "TableauPileView5", "TableauPileView6",
                                "TableauPileView7", "TableauPileView8", "TableauPileView9"};
} // namespace

const TGameInfo& TDblKlondikeForm::LargeInfo() {
    static const TGameInfo info = [] {
        TGameInfo i = TKlondikeForm::LargeInfo();
        i.ClassName = QStringLiteral("TDblKlondikeForm");
        i.Name = QStringLiteral("Double Klondike");
        i.PlacementSection = QStringLiteral("DoubleKlondike");
        i.ProfileSection = QStringLiteral("DoubleKlondike");
        i.HelpTopic = 1002;
        i.TotalCards = 104;
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
            {"DeckPileView", S::Stock, 8, 8, 129, 145, 0.4f, 0.2f, S::Hint, FS_RECYCLE},
            {"DiscardPileView", S::Waste, 144, 8, 129, 129, 20.0f, 2.0f, S::Draggable},
        };
        for (int i = 0; i < 8; ++i)
            l.push_back({kFoundations[i], S::Foundation, 280 + 88 * i, 8, 80, 125, 0.0f, 0.0f, S::Bordered});
        for (int i = 0; i < 7; ++i)
            l.push_back({kColumns[i], S::Tableau, 72 + 96 * i, 160, 80, 417, 0.0f, 20.0f, S::Draggable});
        l.push_back({kColumns[7], S::Tableau, 744, 162, 80, 415, 0.0f, 20.0f, S::Draggable});
        l.push_back({kColumns[8], S::Tableau, 840, 162, 80, 415, 0.0f, 20.0f, S::Draggable});
        l.push_back({"RecyclePileView", S::Store, 640, 112, 25, 25, 0.0f, 0.0f, S::Hidden | S::Black});
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
    static const TGameInfo info = [] {
        TGameInfo i = TDblKlondikeForm::LargeInfo();
        i.ClassName = QStringLiteral("TsDblKlondikeForm");
        i.PlacementSection = QStringLiteral("sDoubleKlondike");
        i.ClientWidth = 756;
        i.ClientHeight = 489;
        i.MinHeight = 300;
        i.ResizeMargin = 139;
        return i;
    }();
    return info;
}

const TLayout& TsDblKlondikeForm::SmallLayout() {
    static const TLayout layout = [] {
        TLayout l = TDblKlondikeForm::LargeLayout();
        int foundation = 0, column = 0;
        for (TPileSlot& s : l) {
            switch (s.Kind) {
            case S::Stock: s.Width = 113; s.Height = 113; break;
            case S::Waste: s.Left = 128; s.Width = 105; s.Height = 101; break;
            case S::Foundation: s.Left = 240 + 64 * foundation++; s.Width = 61; s.Height = 95; break;
            case S::Tableau:
                s.Left = 64 + 72 * column++;
                s.Top = 136;
                s.Width = 61;
                s.Height = 350;
                s.YOffset = 16.0f;
                break;
            case S::Store: s.Left = 720; s.Top = 112; break;
            default: break;
            }
        }
        return l;
    }();
    return layout;
}

TsDblKlondikeForm::TsDblKlondikeForm(QWidget* parent) : TDblKlondikeForm(parent, SmallInfo(), SmallLayout()) {
    FormCreate();
}
