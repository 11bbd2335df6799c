// Double Klondike: Klondike with two decks, nine columns and eight
// foundations. In Draw One the stock may be turned over only once.
#pragma once

#include "KlondikeWindow.h"

#include <cstdint>

class TDblKlondikeForm : public TKlondikeForm {
    Q_OBJECT

public:
    explicit TDblKlondikeForm(QWidget* parent = nullptr);
    static const TGameInfo& LargeInfo();
    static const TLayout& LargeLayout();

    std::uint8_t PassCount = 0; // turn-overs of the stock in this deal

protected:
    TDblKlondikeForm(QWidget* parent, const TGameInfo& info, const TLayout& layout);

    bool ThinStockWhileDealing() const override { return false; }
    bool BeforeStockClick() override;
    void AfterStockUndoTurnOver() override { --PassCount; }
    void AfterDeal() override { PassCount = 0; }
    bool OneTurnOver() const override { return true; }
    bool TurnOverSpent() const override { return !DrawThreeOn && PassCount != 0; }
    void UpdateStockHint() override;
};

class TsDblKlondikeForm : public TDblKlondikeForm {
    Q_OBJECT

public:
    explicit TsDblKlondikeForm(QWidget* parent = nullptr);
    static const TGameInfo& SmallInfo();
    static const TLayout& SmallLayout();
};
