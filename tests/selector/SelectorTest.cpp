// The game selector: start-up order, choosing games on displays of several
// sizes, closing with a game in progress, the about window, help and tray.
#include "FakeDialogs.h"
#include "GameRegistry.h"
#include "GameForm.h"
#include "InfoDlg.h"
#include "Preferences.h"
#include "Profile.h"
#include "Requirements.h"
#include "SolitaireWindow.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

constexpr int kCastle = 0, kDblKlondike = 1, kFortyThieves = 2, kKlondike = 6, kMontana = 7, kSpider = 11;
constexpr TDisplay kSvga{800, 24}, kVga{640, 24}, kXga{1280, 24};

class SelectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestSupport::ClearSettings();
        sounds = std::make_shared<std::vector<TRecordingSoundBackend::Played>>();
        // The order of the program's start.
        selector = new TSolitaireForm(std::make_unique<TRecordingSoundBackend>(sounds));
        preferences = new TPreferencesDlg(nullptr, 1280);
        requirements = new TSysRequirementsForm();
        dialogs.OnExecModal = [this](QDialog* dialog) {
            if (auto* form = qobject_cast<TSysRequirementsForm*>(dialog)) {
                messages << form->MessageLabel->text();
                preferencesShown << !form->PreferencesButton->isHidden();
            }
            return int(QDialog::Accepted);
        };
        selector->show();
    }
    void TearDown() override {
        for (const QString& name : GameFormClasses()) delete GameFormReference(name);
        delete requirements;
        delete preferences;
        delete selector;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Selects a row as the player would, then chooses it on the display.
    void Choose(int row, const TDisplay& display) {
        selecting(row);
        selector->ChooseGame(display);
    }
    void selecting(int row) {
        QSignalBlocker block(selector->GameSelectListBox);
        selector->GameSelectListBox->setCurrentRow(row);
    }
    void SetCardSize(int size) { preferences->Values.CardSize = size; }
    QString OpenClass() const {
        TGameForm* form = TSolitaireForm::OpenGame();
        return form ? form->Info().ClassName : QString();
    }
    int Row() const { return selector->GameSelectListBox->currentRow(); }

    TFakeDialogs dialogs;
    std::shared_ptr<std::vector<TRecordingSoundBackend::Played>> sounds;
    TSolitaireForm* selector = nullptr;
    TPreferencesDlg* preferences = nullptr;
    TSysRequirementsForm* requirements = nullptr;
    QStringList messages;
    QList<bool> preferencesShown;
};

TEST_F(SelectorTest, StartsWithTheListAndTheStartPicture) {
    EXPECT_EQ(selector->windowTitle(), "Quillane!");
    EXPECT_EQ(selector->size(), QSize(329, 241));
    EXPECT_EQ(selector->minimumSize(), selector->maximumSize());
    QStringList names;
    for (int i = 0; i < selector->GameSelectListBox->count(); ++i)
        names << selector->GameSelectListBox->item(i)->text();
    EXPECT_EQ(names, (QStringList{"Beleaguered Castle", "Double Klondike", "Forty Thieves", "Free Cell", "Golf",
                                  "Indian Patience", "Klondike", "Montana", "Pyramid", "Queen of Italy",
                                  "Sea Towers", "Spider"}));
    EXPECT_TRUE(selector->GameSelectListBox->selectedItems().isEmpty());
    EXPECT_TRUE(selector->StartPanel->isVisible());
    EXPECT_EQ(selector->StartPanel->palette().color(QPalette::Window), QColor(191, 191, 191));
    EXPECT_EQ(selector->palette().color(QPalette::Window), QColor(191, 191, 191));
    EXPECT_EQ(OpenClass(), QString());
    // The preferences dialog played its opening sound through the selector's manager.
    ASSERT_FALSE(sounds->empty());
    EXPECT_EQ(sounds->front().Name, "OPEN");
}

TEST_F(SelectorTest, LargeCardsOnAnSvgaScreen) {
    SetCardSize(1);
    Choose(kKlondike, kSvga);
    EXPECT_EQ(OpenClass(), "TKlondikeForm");
    EXPECT_FALSE(selector->StartPanel->isVisible());
    EXPECT_TRUE(messages.isEmpty());

    // Spider needs XGA with large cards: Klondike closes, nothing opens.
    Choose(kSpider, kSvga);
    EXPECT_EQ(OpenClass(), QString());
    EXPECT_EQ(messages, QStringList{"Spider requires at least XGA (1024x768) desktop area to play using the large "
                                    "card preference.\n\nIncrease your desktop area or select the small card size "
                                    "preference."});
    EXPECT_EQ(preferencesShown, QList<bool>{true});
    EXPECT_EQ(selector->LastGameIndex, kSpider);
    EXPECT_TRUE(selector->DesktopBelow1024);
    EXPECT_FALSE(selector->DesktopBelow800);
}

TEST_F(SelectorTest, SmallCardsOnAVgaScreen) {
    SetCardSize(0);
    Choose(kKlondike, kVga);
    EXPECT_EQ(OpenClass(), "TsKlondikeForm");
    EXPECT_EQ(TCard::GetCardSize(), FS_SMALL);

    Choose(kDblKlondike, kVga);
    EXPECT_EQ(OpenClass(), QString());
    EXPECT_EQ(messages, QStringList{"Double Klondike requires at least SVGA (800x600) desktop area to play.\n\n"
                                    "Increase your desktop area to play."});
    // Hidden while shown (another card size would not help), back afterwards.
    EXPECT_EQ(preferencesShown, QList<bool>{false});
    EXPECT_FALSE(requirements->PreferencesButton->isHidden());

    // Large cards on the same screen: Free Cell's own name in the SVGA wording.
    SetCardSize(1);
    Choose(3, kVga);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1], "FreeCell requires at least SVGA (800x600) desktop area to play using the large card "
                           "preference.\n\nIncrease your desktop area or select the small card size preference.");
    EXPECT_EQ(preferencesShown[1], true);
}

TEST_F(SelectorTest, EveryMessageNamesItsGame) {
    for (int i = 0; i < 12; ++i) {
        const TSolitaireGame& game = SolitaireGames()[std::size_t(i)];
        const QString name = game.MessageName;
        if (game.LargeNeeds == 1024) {
            EXPECT_TRUE(DesktopTooSmallMessage(i, 2).startsWith(name + " requires at least XGA (1024x768) desktop "));
            EXPECT_EQ(game.SmallNeeds, 800) << i;
            EXPECT_TRUE(DesktopTooSmallIsSmallCards(i, 1)) << i;
        } else {
            EXPECT_EQ(game.LargeNeeds, 800) << i;
            EXPECT_EQ(game.SmallNeeds, 0) << i;
            EXPECT_FALSE(DesktopTooSmallIsSmallCards(i, 1)) << i;
        }
        EXPECT_TRUE(DesktopTooSmallMessage(i, 1).startsWith(name + " requires at least SVGA (800x600) desktop "));
    }
}

TEST_F(SelectorTest, PaletteDisplayOpensNothing) {
    Choose(kKlondike, {1280, 8});
    EXPECT_EQ(OpenClass(), QString());
    EXPECT_EQ(messages, QStringList{"Quillane requires at least high-color (16-bit) color palette setting to "
                                    "play.\n\nPlease press the Help button below for more information."});
    EXPECT_EQ(preferencesShown, QList<bool>{false});
    EXPECT_EQ(selector->LastGameIndex, 0);
    EXPECT_EQ(Row(), kKlondike);
    EXPECT_TRUE(selector->StartPanel->isVisible());
}

TEST_F(SelectorTest, SameGameAndSizeDoesNothingButAChangedSizeReopens) {
    SetCardSize(1);
    Choose(kKlondike, kXga);
    TGameForm* first = TSolitaireForm::OpenGame();
    ASSERT_NE(first, nullptr);
    first->MoveCount = 10;
    Choose(kKlondike, kXga);
    EXPECT_EQ(TSolitaireForm::OpenGame(), first);
    EXPECT_TRUE(dialogs.Of("Confirm").isEmpty());

    // A new card size takes effect at the next choice of the same game.
    SetCardSize(0);
    Choose(kKlondike, kXga);
    EXPECT_EQ(dialogs.Of("Confirm"), QStringList{"Quit this game of Klondike?"});
    EXPECT_EQ(OpenClass(), "TsKlondikeForm");
    EXPECT_EQ(TCard::GetCardSize(), FS_SMALL);
}

TEST_F(SelectorTest, CancelAtTheQuitPromptKeepsTheGameAndTheSelection) {
    SetCardSize(1);
    Choose(kKlondike, kXga);
    TGameForm* klondike = TSolitaireForm::OpenGame();
    klondike->MoveCount = 10;
    dialogs.ConfirmAnswers = {false};
    Choose(kDblKlondike, kXga);
    EXPECT_EQ(dialogs.Of("Confirm"), QStringList{"Quit this game of Klondike?"});
    EXPECT_EQ(TSolitaireForm::OpenGame(), klondike);
    EXPECT_EQ(Row(), kKlondike);
    EXPECT_EQ(selector->LastGameIndex, kKlondike);

    // OK the second time: Double Klondike replaces it.
    Choose(kDblKlondike, kXga);
    EXPECT_EQ(OpenClass(), "TDblKlondikeForm");
    EXPECT_EQ(selector->LastGameIndex, kDblKlondike);
}

TEST_F(SelectorTest, CancelBeforeTheFirstChoiceKeepsTheStartPicture) {
    // A game window opened by other means is asked all the same.
    SetCardSize(1);
    TGameForm* game = CreateGameForm("TKlondikeForm");
    game->show();
    game->MoveCount = 10;
    dialogs.ConfirmAnswers = {false};
    Choose(kCastle, kXga);
    EXPECT_TRUE(selector->StartPanel->isVisible());
    EXPECT_EQ(Row(), 0);
}

// The small-card window of the game in `row`, or nothing while that game is not built.
QString SmallWindowOf(int row) {
    const TSolitaireGame& game = SolitaireGames()[std::size_t(row)];
    return game.CreateSmall ? QString::fromLatin1(game.SmallClass) : QString();
}

TEST_F(SelectorTest, ArrowKeysOpenEachGameInTurn) {
    SetCardSize(0);
    selector->GameSelectListBox->setFocus();
    selector->GameSelectListBox->setCurrentRow(kCastle);
    EXPECT_EQ(OpenClass(), SmallWindowOf(kCastle));
    EXPECT_FALSE(selector->StartPanel->isVisible());

    QTest::keyClick(selector->GameSelectListBox, Qt::Key_Down);
    EXPECT_EQ(Row(), kDblKlondike);
    EXPECT_EQ(OpenClass(), "TsDblKlondikeForm");
    TSolitaireForm::OpenGame()->MoveCount = 10;

    QTest::keyClick(selector->GameSelectListBox, Qt::Key_Down);
    EXPECT_EQ(dialogs.Of("Confirm"), QStringList{"Quit this game of Double Klondike?"});
    EXPECT_EQ(Row(), kFortyThieves);
    EXPECT_EQ(OpenClass(), SmallWindowOf(kFortyThieves));

    for (int row = kFortyThieves; row < kKlondike; ++row) {
        QTest::keyClick(selector->GameSelectListBox, Qt::Key_Down);
        EXPECT_EQ(OpenClass(), SmallWindowOf(row + 1));
    }
    EXPECT_EQ(OpenClass(), "TsKlondikeForm");
    QTest::keyClick(selector->GameSelectListBox, Qt::Key_Down);
    EXPECT_EQ(Row(), kMontana);
    EXPECT_EQ(OpenClass(), SmallWindowOf(kMontana));
    QTest::keyClick(selector->GameSelectListBox, Qt::Key_Up);
    EXPECT_EQ(OpenClass(), "TsKlondikeForm");
    EXPECT_EQ(dialogs.Count("Confirm"), 1);
}

TEST_F(SelectorTest, ClickingTheChosenGameAgainAfterASizeChangeReopensIt) {
    SetCardSize(1);
    selector->GameSelectListBox->setCurrentRow(kKlondike);
    EXPECT_EQ(OpenClass(), "TKlondikeForm");
    SetCardSize(0);
    QListWidget* list = selector->GameSelectListBox;
    const QPoint at = list->visualItemRect(list->item(kKlondike)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(OpenClass(), "TsKlondikeForm");
}

TEST_F(SelectorTest, ClosingAsksTheOpenGame) {
    SetCardSize(1);
    Choose(kKlondike, kXga);
    TGameForm* game = TSolitaireForm::OpenGame();
    game->MoveCount = 10;
    const QString section = game->Info().PlacementSection;
    int closed = 0;
    QObject::connect(selector, &TSolitaireForm::Closed, [&] { ++closed; });

    dialogs.ConfirmAnswers = {false};
    EXPECT_FALSE(selector->close());
    EXPECT_EQ(dialogs.Of("Confirm"), QStringList{"Quit this game of Klondike?"});
    EXPECT_TRUE(selector->isVisible());
    EXPECT_EQ(TSolitaireForm::OpenGame(), game);
    EXPECT_EQ(closed, 0);

    EXPECT_TRUE(selector->close());
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(TSolitaireForm::OpenGame(), nullptr);
    EXPECT_NE(TProfile("MainWindow", "NormPos").Text(), "None");
    EXPECT_NE(TProfile(section, "NormPos").Text(), "None");
}

TEST_F(SelectorTest, AboutWindowIsOneWindowRecreatedAfterClosing) {
    QTest::mouseClick(selector->Image1, Qt::LeftButton, {}, QPoint(30, 30));
    TInfoBox* first = InfoBox();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    selector->Image1Click();
    EXPECT_EQ(InfoBox(), first);
    first->reject();
    EXPECT_EQ(InfoBox(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    selector->Image1Click();
    ASSERT_NE(InfoBox(), nullptr);
    EXPECT_TRUE(InfoBox()->isVisible());
    InfoBox()->reject();
}

TEST_F(SelectorTest, HelpButtonAndF1OpenTheContents) {
    QTest::mouseClick(selector->HelpButton, Qt::LeftButton);
    QTest::keyClick(selector->GameSelectListBox, Qt::Key_F1);
    EXPECT_EQ(dialogs.Of("Help"), (QStringList{"0", "0"}));
    EXPECT_EQ(OpenClass(), QString());
}

TEST_F(SelectorTest, TrayWithoutNotificationAreaNeverHidesTheWindow) {
    if (QSystemTrayIcon::isSystemTrayAvailable()) GTEST_SKIP() << "this desktop has a notification area";
    TPreferencesDlg::TrayHandler(true);
    EXPECT_EQ(selector->TrayIcon(), nullptr);
    selector->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(selector->isHidden());
    selector->TrayIconDblClick();
    EXPECT_FALSE(selector->isMinimized());
}

} // namespace
