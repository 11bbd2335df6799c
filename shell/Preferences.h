// The preferences shared by every game, and TPreferencesDlg, the one dialog
// that reads them from "Solitaire.ini" at start-up, holds them for the run
// and lets the player change them.
#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QImage>
#include <QList>
#include <QString>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;

// The current preferences. Colours have red in the low byte.
struct TPreferences {
    quint32 BackgroundColor = 16384;    // solid table (RGB 0,64,0)
    quint32 GradientStartColor = 16384;
    quint32 GradientEndColor = 0;       // black
    bool DoAnimation = true;
    bool DoSound = true;
    bool MinimizeToTray = false;
    int BackIndex = 0;        // 0-2 built-in backs, 3 the custom back
    int BackgroundIndex = 0;  // 0 solid colour, 1 gradient, 2 tiled picture
    int GradientIndex = 0;    // 0 vertical, 1 horizontal
    int CardSize = 1;         // 0 small, 1 large
    bool CardSizeChanged = false; // set once a close changed the card size; never cleared
    QList<quint32> CustomColors;  // the colour dialog's sixteen custom colours
    QString CustomImage = QStringLiteral("None");     // path of the custom back picture
    QString BackgroundImage = QStringLiteral("None"); // path of the tiled picture
    QImage BackgroundBitmap;  // the tiled picture; null when none is loaded
};

// The current preferences: those of the preferences dialog, or program
// defaults while no dialog exists (tests of other parts run without one).
TPreferences& Preferences();

// A colour swatch: a sunken well painted in its colour; clicking it asks for a new one.
class TColorSwatch : public QAbstractButton {
    Q_OBJECT
public:
    explicit TColorSwatch(QWidget* parent = nullptr);
    quint32 Color() const { return color_; }
    void SetColor(quint32 color);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    quint32 color_ = 0;
};

class TPreferencesDlg : public QDialog {
    Q_OBJECT
public:
    // Reads every preference (screenWidth decides the card size when the
    // file has none; 0 measures the primary screen) and plays the opening
    // sound. The new dialog becomes the program's one (PreferencesDlg()).
    explicit TPreferencesDlg(QWidget* parent = nullptr, int screenWidth = 0);
    ~TPreferencesDlg() override;

    TPreferences Values;

    // Builds the custom back again at the current card size, when the card
    // size has changed in this run and a custom picture is set. The selector
    // calls it after setting the card size, before it opens a game window.
    void RebuildCustomBack();

    // Closing by OK, Escape or the window's close box applies and writes the values.
    void done(int result) override;

    // Switches the selector's tray icon; installed by the selector.
    static std::function<void(bool on)> TrayHandler;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildForm();
    QWidget* BuildCardBackPage();
    QWidget* BuildCardSizePage();
    QWidget* BuildBackgroundPage();
    QWidget* BuildOtherPage();

    void FormCreate(int screenWidth);
    void FormClose();
    void UpdateControls();
    void SwitchTray(bool on);

    // The custom back from a picture; false when it could not be made.
    bool BuildCustomBack(QString path, bool select, bool atStartup);
    void DropCustomBack();
    void LoadBackgroundImage(QString path);
    void ChooseColor(TColorSwatch* swatch, quint32* field);

    void BrowseCardBackClick();
    void BrowseBackgroundClick();
    void BackgroundTypeClick(int index);
    void HelpClick();

    void EnsureBackPreviews();

    int openedCardSize_ = 1;
    bool previewsMade_ = false;
    QImage customPreview_; // null until a custom back or the first showing makes it

    QTabWidget* PageControl = nullptr;
    QLabel* BackImages[4] = {};
    QRadioButton* BackRadios[4] = {};
    QButtonGroup* BackGroup = nullptr;
    QRadioButton* SmallCardsRadio = nullptr;
    QRadioButton* LargeCardsRadio = nullptr;
    QButtonGroup* TypeGroup = nullptr;
    QStackedWidget* BackgroundPages = nullptr;
    TColorSwatch* SolidColorSwatch = nullptr;
    TColorSwatch* StartColorSwatch = nullptr;
    TColorSwatch* EndColorSwatch = nullptr;
    QButtonGroup* DirectionGroup = nullptr;
    QLabel* BackgroundPreview = nullptr;
    QCheckBox* SoundCheckBox = nullptr;
    QCheckBox* AnimationCheckBox = nullptr;
    QCheckBox* TrayCheckBox = nullptr;
};

// The program's one preferences dialog, or nullptr before start-up made it.
TPreferencesDlg* PreferencesDlg();

// The open-file filter of both "Browse..." buttons.
extern const QString PictureFilter;
