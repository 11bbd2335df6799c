#include "CardPileView.h"

#include <gtest/gtest.h>

namespace {
int loads = 0, frees = 0, symbolLoads = 0;
bool loaded = false;

// Imagery stand-ins that count what the card class asks of them.
void FakeLoad() {
    if (loaded) return;
    loaded = true;
    ++loads;
}
void FakeFree() {
    loaded = false;
    ++frees;
}
void FakeSymbols() { ++symbolLoads; }

class CardTest : public ::testing::Test {
protected:
    void SetUp() override {
        loads = frees = symbolLoads = 0;
        loaded = false;
        TCard::ImageryHooks hooks;
        hooks.LoadCurrentSize = FakeLoad;
        hooks.FreeAll = FakeFree;
        hooks.ReloadPileBitmaps = FakeSymbols;
        TCard::InstallImageryHooks(hooks);
        TCard::SetCardSize(FS_LARGE);
        loads = frees = symbolLoads = 0;
    }
    void TearDown() override {
        TCard::InstallImageryHooks({});
        TCard::SetCardSize(FS_LARGE);
        TCard::SetBackIndex(0);
    }
};
} // namespace

TEST_F(CardTest, FieldsAreFourBytesInOrder) {
    TCard card(FS_HEARTS, FS_QUEEN, 1);
    auto* base = reinterpret_cast<unsigned char*>(&card.Suit);
    EXPECT_EQ(reinterpret_cast<unsigned char*>(&card.Value), base + 1);
    EXPECT_EQ(&card.Color, base + 2);
    EXPECT_EQ(reinterpret_cast<unsigned char*>(&card.FaceUp), base + 3);
    EXPECT_EQ(FS_ACE, 0);
    EXPECT_EQ(FS_KING, 12);
    EXPECT_EQ(FS_HEARTS, 3);
    EXPECT_EQ(FS_SMALL, 0);
}

TEST_F(CardTest, ConstructorsAndFlip) {
    TCard blank;
    EXPECT_EQ(blank.Suit, FS_CLUBS);
    EXPECT_EQ(blank.Value, FS_ACE);
    EXPECT_FALSE(blank.FaceUp);

    TCard down(FS_SPADES, FS_TEN);
    EXPECT_FALSE(down.FaceUp);
    down.Flip();
    EXPECT_TRUE(down.FaceUp);
    down.Flip();
    EXPECT_FALSE(down.FaceUp);

    EXPECT_TRUE(TCard(FS_CLUBS, FS_TWO, 7).FaceUp);
    EXPECT_FALSE(TCard(FS_CLUBS, FS_TWO, 0).FaceUp);
}

TEST_F(CardTest, ColourIsStoredAndFollowsSuit) {
    TCard aceSpades(FS_SPADES, FS_ACE), kingClubs(FS_CLUBS, FS_KING);
    TCard diamond(FS_DIAMONDS, FS_FIVE), heart(FS_HEARTS, FS_KING);
    diamond.Color = 0;
    EXPECT_EQ(aceSpades.GetCardColor(), 0);
    EXPECT_EQ(kingClubs.GetCardColor(), 0);
    EXPECT_EQ(diamond.GetCardColor(), 1);
    EXPECT_EQ(diamond.Color, 1);
    EXPECT_EQ(heart.GetCardColor(), 1);
    EXPECT_EQ(aceSpades.Color, 0);
}

TEST_F(CardTest, ImageryLoadsOnceAndSwapsWithTheSize) {
    for (int i = 0; i < 20; ++i) TCard card(FS_CLUBS, FS_ACE);
    EXPECT_EQ(loads, 1);

    TCard::SetCardSize(FS_LARGE); // already in force: nothing reloads
    EXPECT_EQ(frees, 0);
    EXPECT_EQ(loads, 1);

    TCard::SetBackIndex(2);
    TCard::SetCardSize(FS_SMALL);
    EXPECT_EQ(TCard::GetCardSize(), FS_SMALL);
    EXPECT_EQ(frees, 1);
    EXPECT_EQ(loads, 2);
    EXPECT_EQ(symbolLoads, 1);
    EXPECT_EQ(TCard::GetBackIndex(), 2); // the back survives a size change
}
