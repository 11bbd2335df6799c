// What a game window class is, as data: its names, sections, sizes and
// thresholds (TGameInfo) and the table of its pile views (TLayout). The
// small-card variant of a game keeps the large one's data and changes only
// names, sections, sizes and the places of its views.
#pragma once

#include "CardPileView.h"

#include <QSize>
#include <QString>
#include <vector>

struct TGameInfo {
    QString ClassName;        // "TKlondikeForm"
    QString Name;             // "Klondike": caption and prompt wording
    QString PlacementSection; // saved position
    QString ProfileSection;   // options; empty for games without options
    int HelpTopic = 0;
    int QuitThreshold = 5;    // close asks from here on; New Game and Restart above it
    int Decks = 1;            // packs in the deal
    int WinScore = 52;        // score that wins ...
    bool WinAtLeast = false;  // ... exactly, or at least (Montana)
    bool Fixed = false;       // fixed client size, system menu and minimise only
    int ClientWidth = 0;
    int ClientHeight = 0;
    int MinHeight = 0;        // minimum outer height of resizable windows
    int ResizeMargin = 0;     // columns reach to client height minus this (0: no resizing)
    bool RestoreState = false; // the saved window state (maximised) is restored too
    // The caption may show an older score on purpose for a while (after the
    // deal, say); the score is still recounted at the next move.
    bool CaptionMayLag = false;
    // Menu wording that a few games change.
    QString NewGameName = QStringLiteral("NewGame1");
    QString RestartName = QStringLiteral("Restart1");
    QString PreferencesCaption = QStringLiteral(QT_TRANSLATE_NOOP("TGameForm", "&Preferences..."));
    QString RulesCaption = QStringLiteral(QT_TRANSLATE_NOOP("TGameForm", "Rule&s..."));
    QString FirstSeparator = QStringLiteral("N1");  // after Undo
    QString SecondSeparator = QStringLiteral("N2"); // after the option group

    int TotalCards() const { return 52 * Decks; }
    bool IsWinningScore(int score) const { return WinAtLeast ? score >= WinScore : score == WinScore; }
};

// The small-card variant of a window class: the large one's rules and
// wording with its own class name, sections and sizes. An empty profile
// section keeps the large window's options.
TGameInfo SmallCardInfo(const TGameInfo& large, const QString& className, const QString& placementSection,
                        QSize client, int minHeight, int resizeMargin, const QString& profileSection = {});

// One view of a layout table: a pile view, or a plain label (Role Label).
struct TPileSlot {
    enum Role { Stock, Waste, Store, Foundation, Tableau, Cell, Other, Label };
    enum Flags : unsigned {
        None = 0,
        Bordered = 1,
        Draggable = 2,
        Hidden = 4,
        Hint = 8,
        Black = 16,
        ManualDrop = 32,  // the game moves dropped cards itself
        DragDelayed = 64, // dragging starts past the start-drag distance
        FaceDown = 128,   // face-down cards may lie here although the role holds none
    };
    // Roles that hold face-down cards in some game.
    static bool MayHoldFaceDown(Role role) { return role == Stock || role == Tableau; }

    QString Name;
    Role Kind;
    int Left, Top, Width, Height;
    float XOffset = 0.0f;
    float YOffset = 0.0f;
    unsigned Options = None;
    PileBitmap State = FS_BLANK;
    // Non-zero: the view's top follows the client height, at this distance
    // above the bottom edge (foundations that sit below growing columns).
    int BottomMargin = 0;
};
using TLayout = std::vector<TPileSlot>;

// Where a view of a small-card layout sits, found by its name. Negative
// offsets and margins keep the large layout's values.
struct TSlotPlace {
    QString Name;
    int Left, Top, Width, Height;
    float YOffset = -1.0f;
    float XOffset = -1.0f;
    int BottomMargin = -1;
};
using TPlaces = std::vector<TSlotPlace>;

// "FoundationPile3" and the like: a view name with its number (from 1).
inline QString Numbered(const char* stem, int number) { return QLatin1String(stem) + QString::number(number); }

// Views stem1..stemN of one size in a row, `step` pixels apart.
TPlaces PlaceRow(const char* stem, int count, int left, int step, int top, int width, int height,
                 float yOffset = -1.0f, float xOffset = -1.0f);
TPlaces operator+(TPlaces a, const TPlaces& b);
// The small-card variant of a layout: the same views, in the same order, at
// the places of the same names. Every view must have a place.
TLayout SmallCardLayout(const TLayout& large, const TPlaces& places);
