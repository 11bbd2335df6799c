// TKeyboardPlay: the game window played with the keyboard alone, and told to
// a screen reader. A focus rests on one pile view (and one card of it):
// Left and Right step through the piles in layout order, Up and Down
// through the cards of a fanned pile and on to the pile above or below,
// Tab and Shift+Tab from one group of piles to the next. Enter picks up the
// focused card with the cards above it, and Enter on another pile drops them
// there; where the game plays by presses Enter presses; Shift+Enter sends
// the card home; Escape puts picked-up cards down again. Every move is one
// of the game's legal moves, played through the frame's Perform.
//
// Each pile view carries an accessible name that says what lies on it
// ("Column 3: seven of hearts on eight of spades, 3 cards face down"), kept
// current as cards move, and the focused view holds Qt's keyboard focus, so
// a screen reader speaks the pile and card under the focus.
#pragma once

#include <QString>
#include <optional>

class QKeyEvent;
class TCard;
class TCardPileView;
class TGameForm;

class TKeyboardPlay {
public:
    explicit TKeyboardPlay(TGameForm& form) : form_(form) {}

    // A key of keyboard play: true when it was used.
    bool Key(QKeyEvent* event);
    // Tab (next) or Shift+Tab.
    void NextGroup(bool next);
    // The table changed: names, the focus (kept on its card) and the marks.
    void TableChanged();
    // The mouse took over: the focus frame hides until the next key.
    void MouseUsed();
    // The deal starts afresh: focus on the first column, nothing picked up.
    void Reset();

    TCardPileView* FocusView() const;
    int FocusCard() const { return card_; }
    bool Picked() const { return picked_.has_value(); }

    // "seven of hearts".
    static QString CardName(const TCard* card);
    // What a screen reader says of `view`.
    QString Describe(const TCardPileView* view) const;

private:
    struct Pick {
        int View;
        int Index;
        const TCard* Card;
    };
    void Focus(int view, int card);
    void FocusCardOf(const TCard* card);
    void Step(int delta);
    void Vertical(int delta);
    void Enter();
    void SendHome();
    int Top(int view) const;
    int FirstReachable(int view) const;
    bool Fanned(int view) const;
    bool Usable(int view) const;
    void Show();

    TGameForm& form_;
    int view_ = -1;
    int card_ = -1;
    std::optional<Pick> picked_;
    bool visible_ = false; // the focus frame shows from the first key of keyboard play
};
