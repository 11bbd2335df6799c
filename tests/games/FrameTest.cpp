// The frame shared by every game window: menu, prompts, caption, placement,
// factory and size rules.
#include "GameRegistry.h"
#include "GameTestSupport.h"
#include "KlondikeWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <memory>

using namespace GameTest;

namespace {
class FrameTest : public ::testing::Test {
protected:
    void SetUp() override { ResetSettings(); }
    TFakeDialogs dialogs;
};
} // namespace

TEST_F(FrameTest, KlondikeMenuInOrder) {
    auto form = std::make_unique<TKlondikeForm>();
    EXPECT_EQ(MenuText(form->PopupMenu1, MenuChecks),
              QStringList({"&Undo\tCtrl+Z", "-", "A&utoplay\tCtrl+A [ ]", "-", "Draw Three [x]", "Draw One [ ]", "-",
                           "&New Game\tCtrl+N", "&Restart", "&Preferences...", "Rule&s..."}));
    EXPECT_FALSE(form->Undo1->isEnabled());
    EXPECT_EQ(form->Undo1->objectName(), "Undo1");
    form->About1->trigger();
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(dialogs.Of("Help"), QStringList({"1007", "1007"}));
    form->GameWon = true;
}

TEST_F(FrameTest, OptionsAreReadWithTheNoneTest) {
    TProfile("Klondike", "DrawThree").SetText("no");
    TProfile("Klondike", "Autoplay").SetText("YES");
    auto form = std::make_unique<TKlondikeForm>();
    EXPECT_FALSE(form->DrawThreeOn);
    EXPECT_TRUE(form->AutoplayOn);
    EXPECT_TRUE(form->DrawOne1->isChecked());
    form->GameWon = true;
}

TEST_F(FrameTest, PromptThresholds) {
    auto* form = new TKlondikeForm();
    QPointer<TKlondikeForm> alive(form);
    form->show();

    form->MoveCount = 4;
    EXPECT_TRUE(form->FormCloseQuery());
    form->MoveCount = 5;
    dialogs.ConfirmAnswers = {false};
    EXPECT_FALSE(form->close());
    EXPECT_FALSE(GameCloseAllowed);
    EXPECT_EQ(dialogs.Of("Confirm"), QStringList({"Quit this game of Klondike?"}));
    form->NewGame1Click(form->Restart1); // five moves: Restart does not ask
    form->MoveCount = 5;
    form->NewGame1Click(form->NewGame1);
    EXPECT_EQ(dialogs.Count("Confirm"), 1);
    EXPECT_EQ(form->MoveCount, 0);

    form->MoveCount = 6;
    const Snapshot before = Take(*form);
    dialogs.ConfirmAnswers = {false, false};
    form->NewGame1Click(form->Restart1);
    form->NewGame1Click(form->NewGame1);
    EXPECT_EQ(dialogs.Of("Confirm").mid(1),
              QStringList({"Restart this game of Klondike?", "Quit this game of Klondike?"}));
    EXPECT_EQ(Take(*form), before); // both cancelled
    EXPECT_EQ(form->MoveCount, 6);

    form->GameWon = true; // a won game never asks
    dialogs.Log.clear();
    form->NewGame1Click(form->NewGame1);
    EXPECT_FALSE(form->GameWon); // the new deal is a new game
    form->GameWon = true;
    form->MoveCount = 9;
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(GameCloseAllowed);
    EXPECT_TRUE(dialogs.Of("Confirm").isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(GameFormReference("TKlondikeForm"), nullptr);
}

TEST_F(FrameTest, PositionIsSavedOnCloseAndRestoredOnOpen) {
    auto* form = new TKlondikeForm();
    form->move(40, 60);
    form->show();
    const QRect frame = form->frameGeometry();
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const char* key : {"Flags", "ShowCmd", "MinMaxPos", "NormPos"})
        EXPECT_NE(TProfile("Klondike", key).Text(), "None") << key;
    EXPECT_EQ(TProfile("Klondike", "NormPos").Text(),
              QStringLiteral("%1,%2,%3,%4")
                  .arg(frame.left())
                  .arg(frame.top())
                  .arg(frame.left() + frame.width())
                  .arg(frame.top() + frame.height()));
    EXPECT_EQ(TProfile("Klondike", "ShowCmd").Value(), 1);

    TProfile("Klondike", "NormPos").SetText("100,120,772,611");
    auto reopened = std::make_unique<TKlondikeForm>();
    EXPECT_EQ(reopened->pos(), QPoint(100, 120));
    reopened->GameWon = true;

    // Damaged or off-screen positions are ignored.
    for (const char* text : {"garbage", "1,2,3", "50000,50000,50600,50500", "300,300,200,200"}) {
        TProfile("Klondike", "NormPos").SetText(text);
        auto other = std::make_unique<TKlondikeForm>();
        EXPECT_NE(other->pos(), QPoint(50000, 50000)) << text;
        other->GameWon = true;
    }
}

TEST_F(FrameTest, FactoryMakesEveryWindowAtItsSize) {
    struct Expect {
        const char* name;
        int width, height, minHeight;
    } expected[] = {{"TKlondikeForm", 672, 491, 480},
                    {"TsKlondikeForm", 510, 392, 300},
                    {"TDblKlondikeForm", 986, 582, 480},
                    {"TsDblKlondikeForm", 756, 489, 300}};
    int built = 0;
    for (const TSolitaireGame& game : SolitaireGames()) built += (game.CreateLarge != nullptr) + (game.CreateSmall != nullptr);
    EXPECT_EQ(GameFormClasses().size(), built);
    EXPECT_TRUE(GameFormClasses().contains("TKlondikeForm"));
    for (const Expect& e : expected) {
        std::unique_ptr<TGameForm> form(CreateGameForm(QLatin1String(e.name)));
        ASSERT_NE(form, nullptr) << e.name;
        EXPECT_EQ(form->objectName(), e.name);
        EXPECT_EQ(GameFormReference(QLatin1String(e.name)), form.get());
        EXPECT_EQ(form->width(), e.width) << e.name;
        EXPECT_EQ(form->height(), e.height) << e.name;
        EXPECT_EQ(form->minimumWidth(), e.width);
        EXPECT_EQ(form->maximumWidth(), e.width);
        EXPECT_EQ(form->minimumHeight(), e.minHeight); // offscreen windows have no frame
        // Columns reach down to the margin above the bottom edge.
        form->show();
        form->resize(e.width, e.height + 100);
        const TCardPileView* column = form->PileView(QStringLiteral("TableauPileView1"));
        EXPECT_EQ(column->y() + column->height(), e.height + 100 - (form->Info().ResizeMargin - column->y()));
        form->GameWon = true;
    }
    EXPECT_EQ(CreateGameForm(QStringLiteral("TNoSuchForm")), nullptr);
}

TEST_F(FrameTest, PreferencesReapplyTheBackground) {
    auto form = std::make_unique<TKlondikeForm>();
    dialogs.OnPreferences = [] {
        Preferences().BackgroundIndex = 1;
        Preferences().GradientIndex = 1;
    };
    form->Preferences1->trigger();
    EXPECT_EQ(dialogs.Count("Preferences"), 1);
    EXPECT_EQ(form->zBackground1->BackType(), btBlend);
    EXPECT_EQ(form->zBackground1->FillType(), gHorz);
    EXPECT_EQ(form->PileView("TableauPileView1")->BackgroundMode, FS_BITMAP);
    EXPECT_EQ(form->PileView("RecyclePileView")->BackgroundMode, FS_NORMAL); // hidden store left out

    // A tiled picture without a picture counts as a solid colour.
    dialogs.OnPreferences = [] { Preferences().BackgroundIndex = 2; };
    form->Preferences1->trigger();
    EXPECT_EQ(form->zBackground1->BackType(), btNormal);
    EXPECT_EQ(form->PileView("TableauPileView1")->BackgroundMode, FS_NORMAL);
    form->GameWon = true;
}

namespace {
// A minimal game for the frame's layout facts: a stock, two columns, a
// foundation that follows the client height, a label and an option command.
class TFrameProbe : public TGameForm {
public:
    static TLayout Layout() {
        using S = TPileSlot;
        TLayout l = {{"DeckPileView", S::Stock, 8, 8, 80, 125, 0.2f, 0.2f, S::Hint | S::DragDelayed, FS_RECYCLE},
                     {"FoundationPile1", S::Foundation, 100, 300, 80, 125, 0, 0, S::Bordered | S::ManualDrop, FS_BLANK,
                      140}};
        for (int i = 1; i <= 2; ++i)
            l.push_back({Numbered("TableauPileView", i), S::Tableau, 200 + 90 * i, 8, 80, 300, 0, 20, S::Draggable});
        l.push_back({"Label1", S::Label, 8, 400, 71, 19});
        return l;
    }
    static TGameInfo Info(bool fixed) {
        TGameInfo i;
        i.ClassName = fixed ? "TFixedProbe" : "TFrameProbe";
        i.Name = "Probe";
        i.ProfileSection = "Probe";
        i.ClientWidth = 500;
        i.ClientHeight = 440;
        i.MinHeight = 300;
        i.ResizeMargin = fixed ? 0 : 100;
        i.Fixed = fixed;
        i.FirstSeparator = "N3";
        i.SecondSeparator = "N1";
        return i;
    }
    TFrameProbe(const TGameInfo& info, const TLayout& layout) : TGameForm(info, layout, nullptr) { FormCreate(); }

    QAction* Shuffle = nullptr;

protected:
    bool AddOptionItems(QMenu* menu) override {
        Shuffle = AddCommandItem(menu, "ShuffleRemaining1", "&Shuffle Remaining", QKeySequence(Qt::CTRL | Qt::Key_S),
                                 "Shuffle the cards left");
        return true;
    }
    void DealCards(bool newDeal, bool quiet) override {
        BeginDeal(PileView("DeckPileView"), newDeal, quiet);
        EndDeal();
    }
    int CountScore() const override { return 0; }
};
} // namespace

TEST_F(FrameTest, LayoutFactsReachTheViews) {
    const TGameInfo info = TFrameProbe::Info(false);
    TFrameProbe form(info, TFrameProbe::Layout());
    form.show();
    TCardPileView* stock = form.PileView("DeckPileView");
    TCardPileView* home = form.PileView("FoundationPile1");
    EXPECT_TRUE(stock->DragDelayed);
    EXPECT_FALSE(stock->ManualDrop);
    EXPECT_TRUE(home->ManualDrop);
    EXPECT_EQ(form.Tableau.size(), 2u);
    EXPECT_EQ(form.Foundation, std::vector<TCardPileView*>{home});
    EXPECT_EQ(stock->Pile->Cards.size(), 52u);
    ASSERT_NE(form.LayoutLabel("Label1"), nullptr);
    EXPECT_EQ(form.LayoutLabel("Label1")->geometry(), QRect(8, 400, 71, 19));
    EXPECT_EQ(MenuText(form.PopupMenu1, MenuChecks),
              QStringList({"&Undo\tCtrl+Z", "-", "&Shuffle Remaining\tCtrl+S", "-", "&New Game\tCtrl+N", "&Restart",
                           "&Preferences...", "Rule&s..."}));
    EXPECT_EQ(form.PopupMenu1->actions()[1]->objectName(), "N3");
    EXPECT_EQ(form.PopupMenu1->actions()[3]->objectName(), "N1");
    EXPECT_EQ(form.Shuffle->toolTip(), "Shuffle the cards left");

    // Columns stretch and the foundation moves with the client height.
    form.resize(500, 600);
    EXPECT_EQ(form.PileView("TableauPileView2")->height(), 500);
    EXPECT_EQ(home->y(), 460);
    EXPECT_EQ(stock->y(), 8);
    form.GameWon = true;
}

TEST_F(FrameTest, FixedWindowsKeepTheirSizeAndOfferOnlyMinimise) {
    const TGameInfo info = TFrameProbe::Info(true);
    TFrameProbe form(info, TFrameProbe::Layout());
    form.show();
    EXPECT_EQ(form.minimumSize(), QSize(500, 440));
    EXPECT_EQ(form.maximumSize(), QSize(500, 440));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowSystemMenuHint);
    form.GameWon = true;
}

// Small layouts find their places by view name, whatever the order, and keep
// what a place leaves unset.
TEST_F(FrameTest, SmallLayoutPlacesViewsByName) {
    const TLayout small = SmallCardLayout(
        TFrameProbe::Layout(), TPlaces{{"Label1", 5, 300, 60, 16}, {"FoundationPile1", 80, 250, 61, 95, -1, -1, 102}} +
                                   PlaceRow("TableauPileView", 2, 150, 70, 8, 61, 250, 16.0f) +
                                   TPlaces{{"DeckPileView", 8, 8, 61, 95, 0.5f, 0.5f}});
    ASSERT_EQ(small.size(), 5u);
    EXPECT_EQ(small[0].Name, "DeckPileView");
    EXPECT_EQ(small[0].XOffset, 0.5f);
    EXPECT_EQ(small[1].BottomMargin, 102);
    EXPECT_EQ(small[1].Width, 61);
    EXPECT_EQ(small[2].Left, 150);
    EXPECT_EQ(small[3].Left, 220);
    EXPECT_EQ(small[3].YOffset, 16.0f);
    EXPECT_EQ(small[3].XOffset, 0.0f); // kept
    EXPECT_EQ(small[4].Top, 300);

    const TGameInfo large = TFrameProbe::Info(false);
    const TGameInfo shared = SmallCardInfo(large, "TsProbe", "sProbe", QSize(400, 300), 250, 80);
    const TGameInfo own = SmallCardInfo(large, "TsProbe", "sProbe", QSize(400, 300), 250, 80, "sProbe");
    EXPECT_EQ(shared.ProfileSection, "Probe");
    EXPECT_EQ(own.ProfileSection, "sProbe");
    EXPECT_EQ(own.PlacementSection, "sProbe");
}
