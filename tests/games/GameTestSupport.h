// Driving a real game window with mouse and keys, and checking its cards.
#pragma once

#include "FakeDialogs.h"
#include "GameForm.h"
#include "Preferences.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QStringList>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

namespace GameTest {

inline QPoint At(const TCardPileView* view, int x, int y) { return view->mapTo(view->window(), QPoint(x, y)); }

// The centre of card `index` of the view (the top card for -1).
inline QPoint OnCard(const TCardPileView* view, int index = -1) {
    if (index < 0) index = static_cast<int>(view->Pile->Cards.size()) - 1;
    const QPoint p = view->CardPosition(qMax(0, index));
    return At(view, p.x() + 10, p.y() + 8);
}

class Driver {
public:
    explicit Driver(QWidget* window) : window_(window) {}
    QWindow* Win() const { return window_->windowHandle(); }

    void Press(QPoint p, Qt::KeyboardModifiers m = {}, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(Win(), b, m, p);
    }
    void Release(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseRelease(Win(), b, {}, p); }
    void Move(QPoint p) { QTest::mouseMove(Win(), p); }
    void Click(QPoint p, Qt::KeyboardModifiers m = {}, Qt::MouseButton b = Qt::LeftButton) {
        Press(p, m, b);
        Release(p, b);
    }
    void DoubleClick(QPoint p) { QTest::mouseDClick(Win(), Qt::LeftButton, {}, p); }
    // Press at `from`, move in steps to `to`, release there.
    void Drag(QPoint from, QPoint to) {
        Press(from);
        Move(from + QPoint(4, 4));
        Move((from + to) / 2);
        Move(to);
        Release(to);
    }
    void Key(int key, Qt::KeyboardModifiers m = {}) { QTest::keyClick(window_, Qt::Key(key), m); }

private:
    QWidget* window_;
};

// Each card of the deal lies in exactly one pile view.
inline ::testing::AssertionResult EveryCardOnce(const TGameForm& form) {
    std::map<const TCard*, int> seen;
    for (const TCardPileView* view : form.PileViews())
        for (const TCard* card : view->Pile->Cards) ++seen[card];
    const std::set<const TCard*> deck(form.SavedDeck.Cards.begin(), form.SavedDeck.Cards.end());
    if (static_cast<int>(deck.size()) != form.Info().TotalCards())
        return ::testing::AssertionFailure() << "deck holds " << deck.size() << " cards";
    for (const auto& [card, count] : seen) {
        if (count != 1) return ::testing::AssertionFailure() << "a card lies in " << count << " places";
        if (!deck.count(card)) return ::testing::AssertionFailure() << "a card not of this deal is on the table";
    }
    if (seen.size() != deck.size())
        return ::testing::AssertionFailure() << seen.size() << " of " << deck.size() << " cards on the table";
    return ::testing::AssertionSuccess();
}

// Every pile's cards and faces, to compare a table with an earlier one.
using Snapshot = std::map<QString, std::vector<std::pair<const TCard*, bool>>>;
inline Snapshot Take(const TGameForm& form) {
    Snapshot s;
    for (const TCardPileView* view : form.PileViews())
        for (const TCard* card : view->Pile->Cards) s[view->objectName()].push_back({card, card->FaceUp});
    return s;
}

// A fresh settings file and preferences with sounds and animation off unless asked.
inline void ResetSettings() {
    TestSupport::ClearSettings();
    Preferences() = TPreferences();
    Preferences().DoAnimation = false;
}

// While it lives, QTest's warning about a mouse event outside the window is
// dropped (tests that release beside the window on purpose would fill the log
// with it); every other message goes on to the handler it replaced. One at a
// time.
class TQuietOutsideEvents {
public:
    TQuietOutsideEvents() { Previous() = qInstallMessageHandler(Filter); }
    ~TQuietOutsideEvents() { qInstallMessageHandler(Previous()); }
    TQuietOutsideEvents(const TQuietOutsideEvents&) = delete;
    TQuietOutsideEvents& operator=(const TQuietOutsideEvents&) = delete;

private:
    static QtMessageHandler& Previous() {
        static QtMessageHandler previous = nullptr;
        return previous;
    }
    static void Filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.contains(QLatin1String("occurs outside target window"))) return;
        Previous()(type, context, message);
    }
};

// What MenuText shows of each action besides its caption and shortcut.
enum MenuTextShows : unsigned { MenuCaptions = 0, MenuNames = 1, MenuChecks = 2 };

// One line per action of `menu`: its caption and shortcut ("&Undo\tCtrl+Z"),
// a separator as "-". With MenuNames each line starts with the object name
// ("Undo1 &Undo\tCtrl+Z", "- N1"); with MenuChecks a checkable action ends
// in " [x]" or " [ ]".
inline QStringList MenuText(const QMenu* menu, unsigned shows = MenuCaptions) {
    const bool names = shows & MenuNames;
    QStringList out;
    for (const QAction* a : menu->actions()) {
        QString text;
        if (a->isSeparator()) text = names ? QStringLiteral("- ") + a->objectName() : QStringLiteral("-");
        else text = names ? a->objectName() + QLatin1Char(' ') + a->text() : a->text();
        if (!a->shortcut().isEmpty()) text += QLatin1Char('\t') + a->shortcut().toString();
        if ((shows & MenuChecks) && a->isCheckable())
            text += a->isChecked() ? QStringLiteral(" [x]") : QStringLiteral(" [ ]");
        out << text;
    }
    return out;
}

// The object names of a menu's actions, separators included.
inline QStringList ActionNames(const QMenu* menu) {
    QStringList names;
    for (const QAction* a : menu->actions()) names << a->objectName();
    return names;
}

// Test names for fixtures run in both card sizes: "Large", "Small".
inline std::string SizeName(const ::testing::TestParamInfo<bool>& info) { return info.param ? "Small" : "Large"; }

// A game window shown and ready to drive, on a deal fixed by `seed`, with
// scripted dialogs and a recording sound manager for the test's lifetime.
// With a `SmallForm` the fixture runs in both card sizes, the parameter
// true for the small cards (instantiate over ::testing::Bool(), SizeName).
template <class LargeForm, class SmallForm = void>
class TWindowTest
    : public std::conditional_t<std::is_void_v<SmallForm>, ::testing::Test, ::testing::TestWithParam<bool>> {
    using Base = std::conditional_t<std::is_void_v<SmallForm>, ::testing::Test, ::testing::TestWithParam<bool>>;

protected:
    static constexpr bool kBothSizes = !std::is_void_v<SmallForm>;

    explicit TWindowTest(std::uint32_t seed) : seed_(seed) {}

    void SetUp() override {
        ResetSettings();
        Preferences().DoSound = true;
        SeedRandom(seed_);
        if constexpr (kBothSizes) {
            TCard::SetCardSize(Small() ? FS_SMALL : FS_LARGE);
            form = Small() ? new SmallForm() : new LargeForm();
        } else {
            form = new LargeForm();
        }
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
        drive = std::make_unique<Driver>(form);
    }
    void TearDown() override {
        if (form) {
            form->GameWon = true; // close without a prompt
            form->close();
            delete form.data();
        }
        TCard::SetCardSize(FS_LARGE);
    }

    // True while the fixture runs with the small cards.
    static bool Small() {
        if constexpr (kBothSizes) return Base::GetParam();
        else return false;
    }
    TCardPileView* V(const QString& name) const { return form->PileView(name); }
    void Undo() { drive->Key(Qt::Key_Z, Qt::ControlModifier); }
    // A click on the stock's top card (or its empty place).
    void StockClick() { drive->Click(OnCard(V(QStringLiteral("DeckPileView")))); }
    // Drags card `index` of `from` (the top card for -1) onto `to`.
    void DragTo(TCardPileView* from, int index, TCardPileView* to) { drive->Drag(OnCard(from, index), OnCard(to)); }
    void DragTo(TCardPileView* from, TCardPileView* to) { DragTo(from, -1, to); }

    // The fakes install themselves when built: keep them ahead of the window.
    TFakeDialogs dialogs;
    TFakeSound sound;
    QPointer<LargeForm> form;
    std::unique_ptr<Driver> drive;

private:
    std::uint32_t seed_;
};

} // namespace GameTest

namespace GameTest {

// "QS" is the Queen of spades, "10H" the Ten of hearts; a trailing '*' marks
// a face-down card.
inline std::pair<int, int> ParseCard(QString text) {
    text.remove(QLatin1Char('*'));
    const QString ranks = QStringLiteral("A 2 3 4 5 6 7 8 9 10 J Q K");
    const int value = ranks.split(QLatin1Char(' ')).indexOf(text.left(text.size() - 1));
    const int suit = QStringLiteral("CSDH").indexOf(text.right(1));
    return {value, suit};
}

// Lays out the table: each listed view gets exactly the named cards, bottom
// first; every other card of the deal goes, face down, to `rest`.
inline void Arrange(TGameForm& form, const std::vector<std::pair<QString, QString>>& piles, const QString& rest) {
    std::vector<TCard*> pool = form.SavedDeck.Cards;
    for (TCardPileView* view : form.PileViews()) view->Pile->Empty(false);
    for (const auto& [name, cards] : piles) {
        TCardPileView* view = form.PileView(name);
        ASSERT_NE(view, nullptr) << name.toStdString();
        for (const QString& token : cards.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const auto [value, suit] = ParseCard(token);
            auto it = std::find_if(pool.begin(), pool.end(),
                                    [&](TCard* c) { return c->Value == value && c->Suit == suit; });
            ASSERT_NE(it, pool.end()) << token.toStdString();
            (*it)->FaceUp = !token.endsWith(QLatin1Char('*'));
            view->Pile->AddCard(*it);
            pool.erase(it);
        }
    }
    for (TCard* card : pool) {
        card->FaceUp = false;
        form.PileView(rest)->Pile->AddCard(card);
    }
    for (TCardPileView* view : form.PileViews()) view->update();
}

inline QString Names(const TCardPileView* view) {
    static const char* ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    QStringList out;
    for (const TCard* c : view->Pile->Cards)
        out << QLatin1String(ranks[c->Value]) + QLatin1Char("CSDH"[c->Suit]) + (c->FaceUp ? "" : "*");
    return out.join(QLatin1Char(' '));
}

// The moves as the window names them, joined by "; ".
inline QString MovesText(const TGameForm& form, const TMoves& moves) {
    QStringList out;
    for (const TMove& move : moves) out << form.MoveText(move);
    return out.join(QStringLiteral("; "));
}

// The legal moves from the pile named `source`, in the window's order.
inline TMoves MovesFrom(const TGameForm& form, const QString& source) {
    TMoves out;
    for (const TMove& move : form.LegalMoves())
        if (form.View(move.Source)->objectName() == source) out.push_back(move);
    return out;
}

} // namespace GameTest
