// TSolitaireForm: the program's main window. Its list opens the twelve games
// (one game window at a time), its jester picture the about window and its
// help button the help contents. It owns the program's sound manager and,
// while the tray preference is on, the notification-area icon.
#pragma once

#include "FormPlacement.h"
#include "GameRegistry.h"
#include "SoundManager.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QSystemTrayIcon;
class QToolButton;
class TGameForm;

// What a game choice needs to know about the display.
struct TDisplay {
    int Width = 1024; // screen width in pixels
    int Depth = 24;   // bits per pixel; 8 or fewer is a palette display
};

// The three messages of the system requirements window, as shown.
QString ColorDepthMessage();
// kind 1: the game needs 800 pixels, kind 2: 1024 pixels.
QString DesktopTooSmallMessage(int gameIndex, int kind);
// Whether that message is the small-card wording (Preferences would not help).
bool DesktopTooSmallIsSmallCards(int gameIndex, int kind);

class TSolitaireForm : public QWidget {
    Q_OBJECT

public:
    // Without a back end the sound manager plays through SDL2.
    explicit TSolitaireForm(std::unique_ptr<TSoundBackend> soundBackend = nullptr,
                            QWidget* parent = nullptr);
    ~TSolitaireForm() override;

    QListWidget* GameSelectListBox = nullptr;
    QLabel* Image1 = nullptr;
    QToolButton* HelpButton = nullptr;
    QFrame* ImagePanel = nullptr;
    QLabel* GameImage = nullptr;
    QWidget* StartPanel = nullptr;
    // The tray icon's menu: null until the first tray icon is made.
    QMenu* TrayPopupMenu = nullptr;
    QAction* Restore1 = nullptr;
    QAction* Exit1 = nullptr;
    TFormPlacement FormPlacement1;

    // The list selection as it stood at the end of the last choice.
    int LastGameIndex = 0;
    bool DesktopBelow800 = false;
    bool DesktopBelow1024 = false;

    // Opens the game selected in the list, on the given display.
    void ChooseGame(const TDisplay& display);
    // The list's choice handler: measures this window's screen, then ChooseGame.
    void GameSelectListBoxClick();
    void Image1Click();
    void HelpButtonClick();
    void TrayIconDblClick();
    void Exit1Click();

    // The tooltip of the list's entry `row`: the game's played, won and win rate.
    QString GameToolTip(int row) const;

    // Asks every open game window to close; GameCloseAllowed tells the outcome.
    void CloseAllGames();
    // The open game window, or null.
    static TGameForm* OpenGame();

    // The display this window is on.
    TDisplay MeasureDisplay() const;

    // The tray icon; null while the tray preference is off or the desktop has
    // no notification area.
    QSystemTrayIcon* TrayIcon() const { return trayIcon_; }
    void SwitchTray(bool on);

    // Makes the forms the program needs only once the selector is on screen
    // (the preferences dialog, which reads the settings and opens the audio
    // device, and the requirements window), so the selector shows at once.
    // Runs once: after the first paint, or at the first choice of a game.
    std::function<void()> CreateStartupForms;
    void EnsureStartupForms();

signals:
    // The selector agreed to close: the program ends.
    void Closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildForm();
    void BuildTrayMenu();
    void ShowDesktopTooSmall(int kind);
    void ShowRequirements(const QString& message, bool hidePreferences);
    void SelectRow(int row);
    void SelectionChanged();

    QColor jesterCorner_; // the jester picture's corner, read while building the form
    std::unique_ptr<TSoundManager> sound_;
    QSystemTrayIcon* trayIcon_ = nullptr;
    bool trayOn_ = false;
    bool iconSet_ = false;           // the window icon is set after the first paint
    bool selecting_ = false;         // the selection is being set by code
    bool changedSincePress_ = false; // a mouse press already chose the game
};

// The program's selector, or nullptr.
TSolitaireForm* SolitaireForm();
