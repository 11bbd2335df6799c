// Monkey play: seeded sequences of real input on every game window, checking
// after each step that no card is lost, doubled or wrongly turned, and that
// the caption shows the score. QUILLANE_SOAK=<n> multiplies the run length.
#include "GameRegistry.h"
#include "GameTestSupport.h"
#include "Solver.h"

#include <QAction>
#include <QRandomGenerator>
#include <memory>
#include <optional>

using namespace GameTest;

namespace {

int SoakFactor() {
    const int n = qEnvironmentVariableIntValue("QUILLANE_SOAK");
    return n > 0 ? n : 1;
}

class Monkey {
public:
    Monkey(TGameForm* form, TFakeDialogs& dialogs, quint32 seed) : form_(form), dialogs_(dialogs), rng_(seed), drive_(form) {}

    // One random action; false when a check failed (the log says why).
    // With `movesOnly` only plays on the table: no undo, no commands.
    bool Step(bool movesOnly = false) {
        const int action = int(rng_.bounded(movesOnly ? 14 : 20));
        if (action >= (movesOnly ? 11 : 17)) return PlayLegalMove();
        TCardPileView* from = RandomView();
        TCardPileView* to = RandomView();
        // What the rules allowed before the step, to check the step against.
        legal_ = form_->LegalMoves();
        legalKey_ = form_->TableKey();
        switch (action) {
        case 0: case 1: case 2: case 3:
            Log(QStringLiteral("drag %1 #%2 -> %3").arg(from->objectName()).arg(last_).arg(to->objectName()));
            return Drag(from, OnCard(to), false);
        case 4:
            Log(QStringLiteral("drag %1 #%2 -> outside").arg(from->objectName()).arg(last_));
            return Drag(from, QPoint(-40, form_->height() + 40), false);
        case 5:
            Log(QStringLiteral("drag %1 #%2, Escape").arg(from->objectName()).arg(last_));
            return Drag(from, OnCard(to), true);
        case 6:
            Log(QStringLiteral("double-click %1").arg(from->objectName()));
            drive_.DoubleClick(OnCard(from));
            break;
        case 7:
            Log(QStringLiteral("shift/ctrl-click %1").arg(from->objectName()));
            drive_.Click(OnCard(from), rng_.bounded(2) ? Qt::ShiftModifier : Qt::ControlModifier);
            break;
        case 8:
            Log(QStringLiteral("middle click %1").arg(from->objectName()));
            drive_.Click(OnCard(from), {}, Qt::MiddleButton);
            break;
        case 9:
            Log(QStringLiteral("click %1").arg(from->objectName()));
            drive_.Click(OnCard(from));
            break;
        case 10:
            Log(QStringLiteral("Space"));
            drive_.Key(Qt::Key_Space);
            break;
        case 11: case 12:
            Log(QStringLiteral("Ctrl+Z"));
            drive_.Key(Qt::Key_Z, Qt::ControlModifier);
            break;
        case 13:
            Log(QStringLiteral("Ctrl+A"));
            drive_.Key(Qt::Key_A, Qt::ControlModifier);
            break;
        case 14: {
            const bool ok = rng_.bounded(2);
            const bool restart = rng_.bounded(2);
            Log(QStringLiteral("%1, answer %2").arg(restart ? "Restart" : "New Game", ok ? "OK" : "Cancel"));
            dialogs_.ConfirmAnswers = {ok};
            (restart ? form_->Restart1 : form_->NewGame1)->trigger();
            dialogs_.ConfirmAnswers.clear();
            break;
        }
        case 16:
            // The solver answers later, on whatever table is there by then.
            Log(QStringLiteral("H"));
            drive_.Key(Qt::Key_H);
            break;
        default: {
            const int background = int(rng_.bounded(3));
            const int back = int(rng_.bounded(3));
            Log(QStringLiteral("preferences: background %1, back %2").arg(background).arg(back));
            dialogs_.OnPreferences = [background, back] {
                Preferences().BackgroundIndex = background;
                Preferences().GradientIndex = background & 1;
                TCard::SetBackIndex(back);
            };
            form_->Preferences1->trigger();
            break;
        }
        }
        return Check();
    }

    // One of the legal moves, played through the frame: it must change the table.
    bool PlayLegalMove() {
        const TMoves moves = form_->LegalMoves();
        if (moves.empty()) return Check();
        const TMove move = moves[rng_.bounded(int(moves.size()))];
        legal_ = moves;
        legalKey_ = form_->TableKey();
        Log(QStringLiteral("perform %1").arg(form_->MoveText(move)));
        const auto rules = form_->Solver();
        std::optional<TSolverTable> copy;
        if (rules) copy = form_->SolverTable();
        if (!form_->Perform(move)) return Fail(QStringLiteral("a listed move changed nothing"));
        // The solver's copy of the move matches the window's, where no
        // autoplay followed it (autoplay logs actions of its own).
        const TMoveLog::TEntry* entry = form_->Log().Last();
        if (copy && entry != nullptr && entry->Before == legalKey_) {
            rules->Play(*copy, move);
            if (!(*copy == form_->SolverTable())) return Fail(QStringLiteral("the solver plays the move otherwise"));
        }
        return Check();
    }

    QString History() const { return log_.join(QLatin1Char('\n')); }
    const QString& Failure() const { return failure_; }

private:
    TCardPileView* RandomView() {
        std::vector<TCardPileView*> visible;
        for (TCardPileView* v : form_->PileViews())
            if (v->isVisible()) visible.push_back(v);
        TCardPileView* view = visible[rng_.bounded(int(visible.size()))];
        last_ = view->Pile->Cards.empty() ? 0 : int(rng_.bounded(int(view->Pile->Cards.size())));
        return view;
    }

    bool Drag(TCardPileView* from, QPoint to, bool escape) {
        const QPoint start = OnCard(from, last_);
        drive_.Press(start);
        drive_.Move(start + QPoint(5, 6));
        if (!Check()) return false;
        drive_.Move((start + to) / 2);
        if (escape) drive_.Key(Qt::Key_Escape);
        drive_.Move(to);
        drive_.Release(to);
        return Check();
    }

    void Log(const QString& line) { log_ << line; }

    // A player's action the log took from the table the step started on
    // must have been among the legal moves.
    bool CheckListed() {
        const TMoveLog::TEntry* entry = form_->Log().Last();
        if (entry == nullptr || entry->Before != legalKey_) return true;
        const TMove& done = entry->Move;
        for (const TMove& m : legal_) {
            // A card sent home names no target: the game finds it.
            const bool sameTarget = done.Type == TMove::SendHome || m.Target == done.Target;
            switch (done.Type) {
            case TMove::StockTurn:
                if (m.Type == TMove::StockTurn) return true;
                break;
            case TMove::Press:
                if (m.Source == done.Source && (m.Type == TMove::Press || m.Type == TMove::StockTurn)) return true;
                break;
            default: // a drop or a card sent home: the same cards to the same pile
                if (m.Source == done.Source && m.Index == done.Index && sameTarget &&
                    (m.Type == TMove::Drop || m.Type == TMove::SendHome))
                    return true;
            }
        }
        return Fail(QStringLiteral("%1 was played but not listed").arg(form_->MoveText(done)));
    }

    bool Check() {
        if (!CheckListed()) return false;
        // Mid-drag the lifted cards sit in the source's drag pile.
        std::map<const TCard*, int> seen;
        for (const TCardPileView* view : form_->PileViews()) {
            for (const TCard* card : view->Pile->Cards) {
                ++seen[card];
                if (!card->FaceUp && !form_->FaceDownAllowed(view))
                    return Fail(QStringLiteral("a face-down card in %1").arg(view->objectName()));
            }
            if (view->IsDragging())
                for (const TCard* card : view->DragPile->Cards) ++seen[card];
        }
        const int total = form_->Info().TotalCards();
        if (int(form_->SavedDeck.Cards.size()) != total) return Fail(QStringLiteral("the deck lost cards"));
        for (const TCard* card : form_->SavedDeck.Cards)
            if (seen[card] != 1) return Fail(QStringLiteral("a card lies in %1 places").arg(seen[card]));
        if (int(seen.size()) != total) return Fail(QStringLiteral("a card from elsewhere is on the table"));
        const int score = form_->CurrentScore();
        const QString& name = form_->Info().Name;
        const QString caption = score <= 0 ? name : name + QStringLiteral("   Score: %1").arg(score);
        const QString title = form_->windowTitle();
        // Some games leave an older score in the caption for a while on purpose.
        const bool lagging = form_->Info().CaptionMayLag &&
                             (title == name || title.startsWith(name + QStringLiteral("   Score: ")));
        if (title != caption && !lagging) return Fail(QStringLiteral("caption \"%1\"").arg(title));
        return true;
    }

    bool Fail(const QString& why) {
        failure_ = why;
        return false;
    }

    TGameForm* form_;
    TFakeDialogs& dialogs_;
    QRandomGenerator rng_;
    Driver drive_;
    QStringList log_;
    QString failure_;
    int last_ = 0;
    TMoves legal_;
    std::uint64_t legalKey_ = 0;
};

class MonkeyTest : public ::testing::TestWithParam<QString> {};

// Every view's visibility, cards and faces.
using Table = std::map<QString, std::pair<bool, std::vector<std::pair<const TCard*, bool>>>>;
Table TakeTable(const TGameForm& form) {
    Table t;
    for (const TCardPileView* view : form.PileViews()) {
        auto& [visible, cards] = t[view->objectName()];
        visible = view->isVisible();
        for (const TCard* card : view->Pile->Cards) cards.push_back({card, card->FaceUp});
    }
    return t;
}

QString Describe(const TGameForm& form, const Table& t) {
    QStringList out;
    for (const auto& [name, entry] : t) {
        QStringList cards;
        for (const auto& [card, up] : entry.second)
            cards << QStringLiteral("%1/%2%3").arg(card->Value).arg(card->Suit).arg(up ? "" : "*");
        out << name + (entry.first ? QString() : QStringLiteral(" (hidden)")) + QStringLiteral(": ") +
                   cards.join(QLatin1Char(' '));
    }
    Q_UNUSED(form);
    return out.join(QLatin1Char('\n'));
}

// Opens a window of `className` on a known deal, shown; the card size follows the class.
QPointer<TGameForm> OpenSeeded(const QString& className, quint32 seed) {
    ResetSettings();
    SeedRandom(seed);
    TCard::SetCardSize(className.startsWith(QLatin1String("Ts")) ? FS_SMALL : FS_LARGE);
    QPointer<TGameForm> form = CreateGameForm(className);
    if (form) {
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form));
    }
    return form;
}

void CloseAndDelete(QPointer<TGameForm>& form) {
    form->GameWon = true;
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete form.data();
}

class UndoPropertyTest : public ::testing::TestWithParam<QString> {};

} // namespace

// Seeded random play, then Undo until the history is empty: the table is
// the deal again, every card back in its place with its face as dealt. Steps
// that the history does not keep (a base choice, a reshuffle) count as the
// deal: the table is compared with the last one seen with an empty history.
TEST_P(UndoPropertyTest, UndoingEveryMoveGivesBackTheDeal) {
    const QString className = GetParam();
    const TQuietOutsideEvents quiet; // releases outside the window are part of the game
    for (int run = 0; run < 3 * SoakFactor(); ++run) {
        const quint32 seed = 500u + quint32(run) * 104729u + quint32(qHash(className) % 1000u);
        TFakeDialogs dialogs;
        QPointer<TGameForm> form = OpenSeeded(className, seed);
        ASSERT_NE(form, nullptr);
        // A game may make its first move itself (Golf turns the stock).
        while (form->UndoList->RecordCount() > 0) form->Undo1->trigger();
        Table deal = TakeTable(*form);
        Monkey monkey(form, dialogs, seed);
        for (int step = 0; step < 120; ++step) {
            ASSERT_TRUE(monkey.Step(true)) << className.toStdString() << " seed " << seed << " step " << step << ": "
                                           << monkey.Failure().toStdString() << "\n" << monkey.History().toStdString();
            if (form->UndoList->RecordCount() == 0) deal = TakeTable(*form);
        }
        const Table played = TakeTable(*form);
        const int movesPlayed = form->MoveCount;
        for (int guard = 0; form->UndoList->RecordCount() > 0 && guard < 2000; ++guard) {
            const int before = form->UndoList->RecordCount();
            form->Undo1->trigger();
            ASSERT_LT(form->UndoList->RecordCount(), before) << className.toStdString() << ": an undo that undid nothing";
        }
        const Table now = TakeTable(*form);
        // Redo all the way gives back the table as played, and its count.
        Table redone = now;
        for (int guard = 0; form->Redo1->isEnabled() && guard < 2000; ++guard) form->Redo1->trigger();
        redone = TakeTable(*form);
        EXPECT_TRUE(redone == played) << className.toStdString() << " seed " << seed << "\nafter redo:\n"
                                      << Describe(*form, redone).toStdString() << "\nas played:\n"
                                      << Describe(*form, played).toStdString() << "\nevents:\n"
                                      << monkey.History().toStdString();
        EXPECT_EQ(form->MoveCount, movesPlayed) << className.toStdString() << " seed " << seed;
        for (int guard = 0; form->UndoList->RecordCount() > 0 && guard < 2000; ++guard) form->Undo1->trigger();
        EXPECT_TRUE(now == deal) << className.toStdString() << " seed " << seed << "\nafter undo:\n"
                                 << Describe(*form, now).toStdString() << "\nthe deal:\n"
                                 << Describe(*form, deal).toStdString() << "\nevents:\n"
                                 << monkey.History().toStdString();
        EXPECT_TRUE(EveryCardOnce(*form));
        CloseAndDelete(form);
    }
    TCard::SetCardSize(FS_LARGE);
}

TEST_P(MonkeyTest, RandomInputNeverLosesACard) {
    const QString className = GetParam();
    const TQuietOutsideEvents quiet;
    const int runs = 3 * SoakFactor();
    for (int run = 0; run < runs; ++run) {
        TFakeDialogs dialogs;
        const quint32 seed = 1000u + quint32(run) * 7919u + quint32(qHash(className) % 1000u);
        QPointer<TGameForm> form = OpenSeeded(className, seed);
        ASSERT_NE(form, nullptr);
        // A game's modeless side window (Forty Thieves' peek) stays open
        // through the run; the game window keeps the keyboard.
        if (QAction* peek = form->findChild<QAction*>(QStringLiteral("Peek1"))) {
            peek->trigger();
            QApplication::setActiveWindow(form);
        }
        Monkey monkey(form, dialogs, seed);
        for (int step = 0; step < 400; ++step) {
            if (!monkey.Step()) {
                ADD_FAILURE() << className.toStdString() << " seed " << seed << " step " << step << ": "
                              << monkey.Failure().toStdString() << "\nevents:\n"
                              << monkey.History().toStdString();
                break;
            }
        }
        CloseAndDelete(form);
    }
    TCard::SetCardSize(FS_LARGE);
    TCard::SetBackIndex(0);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, MonkeyTest, ::testing::ValuesIn(GameFormClasses()),
                         [](const auto& info) { return info.param.toStdString(); });
INSTANTIATE_TEST_SUITE_P(EveryWindow, UndoPropertyTest, ::testing::ValuesIn(GameFormClasses()),
                         [](const auto& info) { return info.param.toStdString(); });
