// The shared card predicates, as tables of legal and illegal moves. Cards are
// written "QS" (Queen of spades), "10H" (Ten of hearts).
#include "GameTestSupport.h"
#include "Rules.h"

#include <functional>

using namespace GameTest;

namespace {

TCard Make(const char* text) {
    const auto [value, suit] = ParseCard(QLatin1String(text));
    return TCard(CardSuit(suit), CardValue(value), 1);
}

struct Case {
    const char* card;
    const char* onto;
    bool legal;
};

void Check(const char* name, const std::function<bool(const TCard*, const TCard*)>& rule,
           std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        const TCard card = Make(c.card), onto = Make(c.onto);
        EXPECT_EQ(rule(&card, &onto), c.legal) << name << ": " << c.card << " on " << c.onto;
    }
}

} // namespace

TEST(RulesTest, TableauBuildingDown) {
    Check("DownAlternate", Rules::DownAlternate,
          {{"QH", "KS", true}, {"QD", "KC", true}, {"QS", "KC", false}, {"QH", "KD", false}, {"JH", "KS", false},
           {"KH", "QS", false}, {"AH", "2S", true}, {"KS", "AH", false}});
    Check("DownSameSuit", Rules::DownSameSuit,
          {{"9S", "10S", true}, {"9C", "10S", false}, {"9S", "9S", false}, {"10S", "9S", false}});
    Check("DownAnySuit", Rules::DownAnySuit, {{"9S", "10S", true}, {"9H", "10S", true}, {"8H", "10S", false}});
    // Another suit, not another colour: clubs on spades is fine.
    Check("DownOtherSuit", Rules::DownOtherSuit,
          {{"9C", "10S", true}, {"9H", "10S", true}, {"9S", "10S", false}, {"8C", "10S", false}});
    // Columns that wrap: a King goes on an Ace of the other colour.
    Check("DownAlternateWrapping", Rules::DownAlternateWrapping,
          {{"KH", "AS", true}, {"KS", "AC", false}, {"QH", "KS", true}, {"AS", "KH", false}, {"AS", "2H", true}});
}

TEST(RulesTest, FoundationsBuildingUp) {
    const TCard ace = Make("AH"), two = Make("2H"), twoS = Make("2S"), three = Make("3H");
    EXPECT_TRUE(Rules::UpSameSuitFromAce(&ace, nullptr));
    EXPECT_FALSE(Rules::UpSameSuitFromAce(&two, nullptr));
    EXPECT_TRUE(Rules::UpSameSuitFromAce(&two, &ace));
    EXPECT_FALSE(Rules::UpSameSuitFromAce(&twoS, &ace));
    EXPECT_FALSE(Rules::UpSameSuitFromAce(&three, &ace));

    // From a base of Ten: Ten first, up to the King, then the Ace, up to the
    // Nine; thirteen cards fill it.
    std::vector<TCard> cards;
    for (int i = 0; i < 13; ++i) cards.emplace_back(FS_HEARTS, CardValue((9 + i) % 13), 1);
    const TCard otherSuit(FS_SPADES, FS_JACK, 1), nineAgain(FS_HEARTS, CardValue(8), 1);
    TCardPile foundation;
    for (TCard& card : cards) {
        EXPECT_TRUE(Rules::UpSameSuitFromBase(&card, foundation, CardValue(9))) << int(card.Value);
        if (card.Value == FS_JACK) {
            EXPECT_FALSE(Rules::UpSameSuitFromBase(&otherSuit, foundation, CardValue(9)));
        }
        foundation.AddCard(&card);
    }
    EXPECT_FALSE(Rules::UpSameSuitFromBase(&nineAgain, foundation, CardValue(9))); // full
    const TCard jack = Make("JH");
    foundation.Empty(false);
    EXPECT_FALSE(Rules::UpSameSuitFromBase(&jack, foundation, CardValue(9))); // only the base starts
}

TEST(RulesTest, PairsAndNeighbours) {
    Check("PairsTo13", Rules::PairsTo13,
          {{"7S", "6H", true}, {"QS", "AH", true}, {"JD", "2C", true}, {"7S", "7H", false}, {"KS", "AH", false},
           {"10S", "3H", true}});
    // Golf: one up or one down, never round the corner.
    Check("OneUpOrDown", Rules::OneUpOrDown,
          {{"8S", "7H", true}, {"6S", "7H", true}, {"7S", "7H", false}, {"AS", "KH", false}, {"KS", "AH", false},
           {"QS", "KH", true}});
    // Montana: the suit of the card left of the gap, one higher; nothing after a King.
    Check("FitsAfter", Rules::FitsAfter,
          {{"5H", "4H", true}, {"5S", "4H", false}, {"6H", "4H", false}, {"AH", "KH", false}});
    const TCard two = Make("2H");
    EXPECT_FALSE(Rules::FitsAfter(&two, nullptr));
}

TEST(RulesTest, RunsFromAPosition) {
    TCard cards[] = {Make("KS"), Make("QH"), Make("JS"), Make("10H")};
    TCardPile pile;
    for (TCard& c : cards) pile.AddCard(&c);
    EXPECT_TRUE(Rules::IsRun(pile, 0, Rules::DownAlternate));
    EXPECT_TRUE(Rules::IsRun(pile, 3, Rules::DownAlternate)); // the top card alone
    EXPECT_FALSE(Rules::IsRun(pile, 0, Rules::DownSameSuit));
    EXPECT_FALSE(Rules::IsRun(pile, 4, Rules::DownAlternate));
    EXPECT_FALSE(Rules::IsRun(pile, -1, Rules::DownAlternate));
    cards[1].FaceUp = false; // a face-down card breaks it
    EXPECT_FALSE(Rules::IsRun(pile, 0, Rules::DownAlternate));
    EXPECT_TRUE(Rules::IsRun(pile, 2, Rules::DownAlternate));
    pile.Empty(false);
}
