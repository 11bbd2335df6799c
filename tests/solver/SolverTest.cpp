// The solver of every game against its real window: the solver's copy of a
// deal is the window's deal, its solutions replay through the window to a
// win, and the window's aids that use it (the hint, Winnable Deals Only) work
// without the UI waiting.
#include "DealTracker.h"
#include "GameRegistry.h"
#include "GameTestSupport.h"
#include "Solver.h"
#include "TableMarks.h"

#include "PrivateProfile.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>

using namespace GameTest;

namespace {

QString Text(const TGameForm& form, const TMoves& moves) {
    QStringList out;
    for (const TMove& m : moves) out << form.MoveText(m);
    return out.join(QStringLiteral("; "));
}

class SolverGameTest : public ::testing::TestWithParam<QString> {
protected:
    void SetUp() override {
        ResetSettings(); // no autoplay: the solver makes every move itself
        SeedRandom(1);
        form = CreateGameForm(GetParam());
        ASSERT_NE(form, nullptr);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
        rules = form->Solver();
        if (!rules) GTEST_SKIP() << "no solver";
    }
    void TearDown() override {
        if (!form) return;
        form->GameWon = true;
        form->close();
        delete form.data();
    }
    void Deal(quint32 number) {
        form->GameWon = true; // no prompt
        form->PlayDeal(number);
    }

    TFakeDialogs dialogs;
    const TQuietOutsideEvents quiet;
    QPointer<TGameForm> form;
    std::shared_ptr<const TSolverRules> rules;
};

} // namespace

// The compact table keeps every card through moves between piles in both
// directions, and a stock turned over reverses and turns its cards.
TEST(SolverTableTest, CardsMoveBetweenPilesInOrder) {
    TSolverTable table(4);
    for (int code : {0, 1, 2}) table.Push(0, SolverCard(code, true));
    table.Push(2, SolverCard(10, false));
    table.Push(3, SolverCard(20, true));
    const std::uint64_t start = table.Key();
    table.MoveCards(0, 1, 3);
    EXPECT_EQ(table.Size(0), 1);
    EXPECT_EQ(CardCode(table.Top(3)), 2);
    EXPECT_EQ(CardCode(table.Card(3, 1)), 1);
    table.MoveCards(3, 1, 0);
    EXPECT_EQ(table.Key(), start);
    table.TurnOver(0, 2, 1, false);
    EXPECT_EQ(CardCode(table.Card(1, 0)), 2);
    EXPECT_FALSE(table.Top(1)->FaceUp);
    EXPECT_EQ(table.CardCount(), 5);
    EXPECT_TRUE(table.TurnUpTop(2));
    EXPECT_NE(table.Key(), start);
    table.Counter[0] = 1;
    TSolverTable copy = table;
    EXPECT_TRUE(copy == table);
    copy.Counter[0] = 2;
    EXPECT_NE(copy.Key(), table.Key());
}

// The solver's deal is the window's deal, card for card, face for face.
TEST_P(SolverGameTest, DealsAsTheWindowDeals) {
    for (quint32 number : {1u, 2u, 977u, 123456789u, 4294967295u}) {
        Deal(number);
        const TSolverTable dealt = rules->Deal(number);
        EXPECT_TRUE(dealt == form->SolverTable()) << "deal " << number;
        TMoves moves;
        rules->Moves(dealt, moves);
        EXPECT_EQ(Text(*form, moves), Text(*form, form->LegalMoves())) << "deal " << number;
    }
}

// Twenty deals the solver wins (QUILLANE_SOLVED_DEALS sets another count)
// replay through the window, move by move, each move listed by the window
// first, to a win at the winning score.
TEST_P(SolverGameTest, SolutionsReplayToAWin) {
    const int wanted = qEnvironmentVariableIsSet("QUILLANE_SOLVED_DEALS") ? qEnvironmentVariableIntValue("QUILLANE_SOLVED_DEALS") : 20;
    int solved = 0, replayed = 0;
    for (quint32 number = 1; number <= 200 && solved < wanted; ++number) {
        TSolverBudget budget;
        budget.Seconds = 0.3;
        const TSolverResult result = Solve(*rules, rules->Deal(number), budget);
        if (result.Kind != TSolverResult::Winnable) continue;
        ++solved;
        replayed += static_cast<int>(result.Moves.size());
        Deal(number);
        for (const TMove& move : result.Moves) {
            const TMoves legal = form->LegalMoves();
            ASSERT_NE(std::find(legal.begin(), legal.end(), move), legal.end())
                << "deal " << number << ": " << form->MoveText(move).toStdString() << " not in "
                << Text(*form, legal).toStdString();
            ASSERT_TRUE(form->Perform(move)) << "deal " << number << ": " << form->MoveText(move).toStdString();
        }
        EXPECT_TRUE(form->GameWon) << "deal " << number;
        EXPECT_TRUE(rules->Won(form->SolverTable())) << "deal " << number;
        const int score = form->CurrentScore();
        EXPECT_TRUE(form->Info().WinAtLeast ? score >= form->Info().WinScore : score == form->Info().WinScore);
        EXPECT_TRUE(form->windowTitle().contains(QString::number(score))) << form->windowTitle().toStdString();
    }
    EXPECT_EQ(solved, wanted);
    RecordProperty("MovesReplayed", replayed);
}

INSTANTIATE_TEST_SUITE_P(EveryGame, SolverGameTest, ::testing::ValuesIn([] {
                             std::vector<QString> classes;
                             for (const TSolitaireGame& game : SolitaireGames()) classes.push_back(QLatin1String(game.LargeClass));
                             return classes;
                         }()),
                         [](const auto& info) { return info.param.toStdString(); });

namespace {

class SolverAidsTest : public SolverGameTest {
protected:
    // Runs the event loop until `done` or 30 s pass.
    template <class Done> bool Until(Done done) {
        for (QElapsedTimer t; !done();) {
            if (!t.isValid()) t.start();
            if (t.elapsed() > 30000) return false;
            QTest::qWait(5);
        }
        return true;
    }
    // The first deal from `number` on with the verdict `kind` (0: none).
    quint32 DealWith(TSolverResult::Verdict kind, quint32 number = 1) {
        for (; number < 20; ++number) {
            TSolverBudget budget;
            budget.Seconds = 0.2;
            if (Solve(*rules, rules->Deal(number), budget).Kind == kind) return number;
        }
        return 0;
    }
};

} // namespace

// The hint waits for the worker, then shows the solution's first move; once
// that move is played, the next hint comes from the same solution at once. A
// deal the solver proves lost says so.
TEST_P(SolverAidsTest, HintFollowsASolution) {
    const quint32 winnable = DealWith(TSolverResult::Winnable);
    ASSERT_NE(winnable, 0u);
    Deal(winnable);
    TSolverBudget budget;
    budget.Seconds = 5;
    const TSolverResult solution = Solve(*rules, form->SolverTable(), budget);
    ASSERT_GE(solution.Moves.size(), 2u);
    form->Hint1->trigger();
    ASSERT_TRUE(Until([this] { return !form->HintPending(); }));
    EXPECT_TRUE(TTableMarks::Of(form)->HintShown());
    ASSERT_EQ(form->ShownHint(), solution.Moves[0]);
    ASSERT_TRUE(form->Perform(solution.Moves[0]));
    form->Hint1->trigger();
    EXPECT_EQ(form->ShownHint(), solution.Moves[1]);
    EXPECT_TRUE(dialogs.Log.isEmpty());

    if (const quint32 lost = DealWith(TSolverResult::NotWinnable)) {
        Deal(lost);
        if (!form->LegalMoves().empty()) {
            form->Hint1->trigger();
            ASSERT_TRUE(Until([this] { return !form->HintPending(); }));
            EXPECT_EQ(dialogs.Log, QStringList({"Information: This deal can no longer be won."}));
        }
    }
}

// Winnable Deals Only: the last item, after a separator, kept in the state
// folder. New Game waits for the worker without blocking and gets a deal the
// solver wins, which its number deals again; closing the window mid-search
// cancels the search.
TEST_P(SolverAidsTest, WinnableDealsOnly) {
    form->CompleteMenu();
    const QList<QAction*> items = form->PopupMenu1->actions();
    ASSERT_GE(items.size(), 2);
    EXPECT_EQ(items.back(), form->WinnableOnly1);
    EXPECT_TRUE(items[items.size() - 2]->isSeparator());
    EXPECT_FALSE(form->WinnableOnly1->isChecked());
    form->WinnableOnly1->trigger();
    EXPECT_EQ(PrivateProfile::Read(PrivateProfile::StateFolder() + "/Options.ini", form->Info().Name, "WinnableDealsOnly"),
              QStringLiteral("1"));

    form->GameWon = true;
    form->NewGame1->trigger();
    EXPECT_TRUE(form->FindingDeal());
    EXPECT_NE(form->findChild<QLabel*>(QStringLiteral("DealSearchNote")), nullptr);
    ASSERT_TRUE(Until([this] { return !form->FindingDeal(); }));
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("DealSearchNote")), nullptr);
    EXPECT_TRUE(dialogs.Log.isEmpty());
    const TSolverTable dealt = form->SolverTable();
    EXPECT_EQ(Solve(*rules, dealt).Kind, TSolverResult::Winnable);
    EXPECT_TRUE(rules->Deal(form->Deals().Number()) == dealt);

    form->NewGame1->trigger();
    EXPECT_TRUE(form->FindingDeal());
    form->WinnableOnly1->trigger(); // off again, for the tests that follow
    // TearDown closes the window while the worker searches.
}

INSTANTIATE_TEST_SUITE_P(TwoGames, SolverAidsTest, ::testing::Values(QStringLiteral("TFreeCellForm"), QStringLiteral("TGolfForm")),
                         [](const auto& info) { return info.param.toStdString(); });
