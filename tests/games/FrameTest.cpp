// The frame shared by every game window: menu, prompts, caption, placement,
// factory and size rules.
#include "GameRegistry.h"
#include "GameTestSupport.h"
#include "KlondikeWindow.h"

#include <QAction>
#include <QMenu>
#include <memory>

using namespace GameTest;

namespace {
class FrameTest : public ::testing::Test {
protected:
    void SetUp() override { ResetSettings(); }
    TFakeDialogs dialogs;
};

QStringList MenuText(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions()) {
        QString text = a->isSeparator() ? QStringLiteral("-") : a->text();
        if (!a->shortcut().isEmpty()) text += QLatin1Char('\t') + a->shortcut().toString();
        if (a->isCheckable()) text += a->isChecked() ? QStringLiteral(" [x]") : QStringLiteral(" [ ]");
        out << text;
    }
    return out;
}
} // namespace

TEST_F(FrameTest, KlondikeMenuInOrder) {
    auto form = std::make_unique<TKlondikeForm>();
    EXPECT_EQ(MenuText(form->PopupMenu1),
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
