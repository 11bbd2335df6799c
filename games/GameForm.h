// TGameForm: the frame every game window shares. It owns the context menu,
// the prompts, the score caption, the deal frame, the win hand-off, the table
// background, the size rule, the saved position and the window's life cycle.
// A game derives from it and supplies its layout, deal, rules and options.
#pragma once

#include "Blend.h"
#include "CardPileView.h"
#include "CardUndo.h"
#include "FormPlacement.h"
#include "Profile.h"

#include <QSize>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

class QAction;
class QMenu;

// What one game window class is: names, sections, sizes and thresholds.
struct TGameInfo {
    QString ClassName;        // "TKlondikeForm"
    QString Name;             // "Klondike": caption and prompt wording
    QString PlacementSection; // saved position
    QString ProfileSection;   // options; empty for games without options
    int HelpTopic = 0;
    int QuitThreshold = 5;    // close asks from here on; New Game and Restart above it
    int TotalCards = 52;      // score at which the game is won
    bool Fixed = false;       // fixed windows keep their client size exactly
    int ClientWidth = 0;
    int ClientHeight = 0;
    int MinHeight = 0;        // minimum outer height of resizable windows
    int ResizeMargin = 0;     // columns reach to client height minus this (0: no resizing)
    bool RestoreState = false; // the saved window state (maximised) is restored too
    // Menu wording that a few games change.
    QString NewGameName = QStringLiteral("NewGame1");
    QString RestartName = QStringLiteral("Restart1");
    QString PreferencesCaption = QStringLiteral("&Preferences...");
    QString RulesCaption = QStringLiteral("Rule&s...");
};

// The small-card variant of a window class: the large one's rules and
// wording with its own class name, placement section and sizes.
TGameInfo SmallCardInfo(const TGameInfo& large, const QString& className, const QString& placementSection,
                        QSize client, int minHeight, int resizeMargin);

// One pile view of a layout table.
struct TPileSlot {
    enum Role { Stock, Waste, Store, Foundation, Tableau, Cell, Other };
    enum Flags : unsigned { None = 0, Bordered = 1, Draggable = 2, Hidden = 4, Hint = 8, Black = 16 };
    // Roles that hold face-down cards in some game.
    static bool MayHoldFaceDown(Role role) { return role == Stock || role == Tableau; }

    QString Name;
    Role Kind;
    int Left, Top, Width, Height;
    float XOffset = 0.0f;
    float YOffset = 0.0f;
    unsigned Options = None;
    PileBitmap State = FS_BLANK;
};
using TLayout = std::vector<TPileSlot>;

// Where a pile view of a small-card layout sits; a negative YOffset keeps the
// large layout's offset.
struct TSlotPlace {
    int Left, Top, Width, Height;
    float YOffset = -1.0f;
};
using TPlaces = std::vector<TSlotPlace>;

// "FoundationPile3" and the like: a view name with its number (from 1).
inline QString Numbered(const char* stem, int number) { return QLatin1String(stem) + QString::number(number); }

// `count` views of one size in a row, `step` pixels apart.
TPlaces PlaceRow(int count, int left, int step, int top, int width, int height, float yOffset = -1.0f);
TPlaces operator+(TPlaces a, const TPlaces& b);
// The small-card variant of a layout: the same views, in the same order, at
// the given places.
TLayout SmallCardLayout(const TLayout& large, const TPlaces& places);

class TGameForm : public QWidget {
    Q_OBJECT

public:
    ~TGameForm() override;

    const TGameInfo& Info() const { return info_; }

    // Shared state of every game window.
    TCardPile SavedDeck;              // the shuffled deck of the current deal; owns its cards
    std::unique_ptr<TCardUndo> UndoList;
    int MoveCount = 0;
    int FoundationCount = 0;
    bool GameWon = false;

    QMenu* PopupMenu1 = nullptr;
    QAction* Undo1 = nullptr;
    QAction* NewGame1 = nullptr;
    QAction* Restart1 = nullptr;
    QAction* Preferences1 = nullptr;
    QAction* About1 = nullptr;
    TProfile Profile1;
    TFormPlacement FormPlacement1;
    TzBackground* zBackground1 = nullptr;

    // Every pile view of the window, in layout order.
    const std::vector<TCardPileView*>& PileViews() const { return views_; }
    TCardPileView* PileView(const QString& name) const;

    // Recounts the score into the caption and returns it.
    int UpdateScore();
    // The score the table shows now, without touching the caption.
    int CurrentScore() const { return CountScore(); }
    // Whether a face-down card may lie in `view` (stocks and columns, say).
    bool FaceDownAllowed(const TCardPileView* view) const;
    // Applies the background preference to the window and its visible views.
    void ApplyBackground();

    // Completes the window once the concrete game's overrides are in force
    // (the factory, or the public constructor of a game class, calls it):
    // builds the menu, reads the options, creates the history, deals the
    // first game quietly and puts the window where it was last closed. Runs
    // once; later calls do nothing.
    void FormCreate();

    // Frame commands, also reached from the menu and the keyboard.
    void NewGame1Click(QObject* sender);
    void Preferences1Click();
    void About1Click();
    // True when the window may close (asks the quit question when needed).
    bool FormCloseQuery();

protected:
    TGameForm(const TGameInfo& info, const TLayout& layout, QWidget* parent);


    // --- What each game supplies ---
    // Adds the game's option items between the menu's separators; return
    // false to leave out the option group (and its separator).
    virtual bool AddOptionItems(QMenu* menu);
    // Adds a command after Restart (Forty Thieves' Peek).
    virtual void AddExtraCommands(QMenu*) {}
    // Reads the game's options from Profile1 and sets the check items.
    virtual void ReadOptions() {}
    // Deals a new (shuffled) or the saved deal; quiet makes no sound and no animation.
    virtual void DealCards(bool newDeal, bool quiet) = 0;
    // The current score (usually the cards on the foundations).
    virtual int CountScore() const = 0;
    virtual void Undo1Click() = 0;
    // Games with a stock turn cards from it on Space and the middle button.
    virtual bool HasStock() const { return false; }
    virtual void StockClick() {}
    // Columns follow the window's height.
    virtual void FormResize();

    // --- Helpers for the games ---
    // Plays the win window when the score reached the total; returns whether it did.
    bool CheckWinScore();
    // Empties every pile view (and drag pile) without freeing cards.
    void EmptyAllPiles();
    // Frees the cards of the current deal (all of them are in SavedDeck).
    void ReleaseDeal();
    void RepaintAll();
    // A new shuffled deck of `decks` packs in `pile`, copied into SavedDeck;
    // the previous deal's cards are freed first.
    void NewShuffledDeck(TCardPile* pile, int decks);
    // SavedDeck copied into `pile`, every card face down.
    void ReplaySavedDeck(TCardPile* pile);
    // Animation is wanted for this deal.
    bool Animate(bool quiet) const;
    // True while a card drag is under way in this window.
    bool Dragging() const;
    std::vector<TCardPileView*> ViewsOf(TPileSlot::Role role) const;
    QAction* AddCheckItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key = {});

    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreatePileViews(const TLayout& layout);
    void BuildMenu();
    void ApplySizeRule();
    void FormClose();

    const TGameInfo& info_;
    std::vector<TCardPileView*> views_;
    std::vector<TPileSlot> slots_;
    bool created_ = false;
};

// The selector's flag: whether the last close query let the game window go.
extern bool GameCloseAllowed;

// The one open window of each game window class ("TKlondikeForm",
// "TsKlondikeForm", ...), or null; cleared when that window is destroyed.
TGameForm* GameFormReference(const QString& className);
