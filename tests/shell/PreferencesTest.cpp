// The preferences dialog: reading at start-up, writing at close, the custom
// card back and the background picture, driven through the fake seam.
#include "ShellTestSupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>

using namespace ShellTest;

namespace {
QRadioButton* Radio(QWidget* dialog, const char* name) {
    auto* radio = dialog->findChild<QRadioButton*>(QString::fromLatin1(name));
    EXPECT_NE(radio, nullptr) << name;
    return radio;
}
QCheckBox* Check(QWidget* dialog, const char* name) {
    auto* box = dialog->findChild<QCheckBox*>(QString::fromLatin1(name));
    EXPECT_NE(box, nullptr) << name;
    return box;
}
QAbstractButton* Button(QWidget* dialog, const char* name) {
    auto* button = dialog->findChild<QAbstractButton*>(QString::fromLatin1(name));
    EXPECT_NE(button, nullptr) << name;
    return button;
}
} // namespace

class PreferencesTest : public ShellFixture {};

TEST_F(PreferencesTest, NewSettingsFileGivesDefaultsAndCardSizeFromScreenWidth) {
    {
        auto dlg = MakeDialog(800);
        const TPreferences& v = dlg->Values;
        EXPECT_EQ(v.CardSize, 0);
        EXPECT_EQ(Pref("CardSize"), "0");
        EXPECT_EQ(TCard::GetCardSize(), FS_SMALL);
        EXPECT_EQ(v.BackIndex, 0);
        EXPECT_EQ(v.BackgroundIndex, 0);
        EXPECT_EQ(v.GradientIndex, 0);
        EXPECT_EQ(v.BackgroundColor, 16384u);
        EXPECT_EQ(v.GradientStartColor, 16384u);
        EXPECT_EQ(v.GradientEndColor, 0u);
        EXPECT_TRUE(v.DoAnimation);
        EXPECT_TRUE(v.DoSound);
        EXPECT_FALSE(v.MinimizeToTray);
        EXPECT_FALSE(v.CardSizeChanged);
        EXPECT_EQ(v.CustomImage, "None");
        EXPECT_EQ(v.BackgroundImage, "None");
        EXPECT_TRUE(Radio(dlg.get(), "SmallCardsRadio")->isChecked());
        // Only the card size is written at creation.
        EXPECT_EQ(KeysOf("Preferences"), QStringList{"CardSize"});
        EXPECT_TRUE(dialogs.Log.isEmpty());
    }
    TestSupport::ClearSettings();
    auto dlg = MakeDialog(1024);
    EXPECT_EQ(dlg->Values.CardSize, 1);
    EXPECT_EQ(Pref("CardSize"), "1");
    EXPECT_EQ(TCard::GetCardSize(), FS_LARGE);
    EXPECT_TRUE(Radio(dlg.get(), "LargeCardsRadio")->isChecked());
}

TEST_F(PreferencesTest, StoredValuesWinOverTheScreenAndShowInTheControls) {
    SetPref("CardSize", "0");
    SetPref("BackIndex", "2");
    SetPref("BackgroundIndex", "1");
    SetPref("GradientIndex", "1");
    SetPref("BackgroundColor", "clNavy");
    SetPref("GradientStartColor", "$00123456");
    SetPref("GradientEndColor", "255");
    SetPref("DoAnimation", "False");
    SetPref("MinimizeToTray", "True");
    bool trayOn = false;
    TPreferencesDlg::TrayHandler = [&](bool on) { trayOn = on; };
    auto dlg = MakeDialog(1280);
    TPreferencesDlg::TrayHandler = nullptr;
    const TPreferences& v = dlg->Values;
    EXPECT_EQ(v.CardSize, 0);
    EXPECT_EQ(v.BackIndex, 2);
    EXPECT_EQ(TCard::GetBackIndex(), 2);
    EXPECT_EQ(v.BackgroundIndex, 1);
    EXPECT_EQ(v.GradientIndex, 1);
    EXPECT_EQ(v.BackgroundColor, 0x800000u);
    EXPECT_EQ(v.GradientStartColor, 0x123456u);
    EXPECT_EQ(v.GradientEndColor, 255u);
    EXPECT_FALSE(v.DoAnimation);
    EXPECT_TRUE(v.MinimizeToTray);
    EXPECT_TRUE(trayOn);
    EXPECT_TRUE(Radio(dlg.get(), "CardBackRadio3")->isChecked());
    EXPECT_TRUE(Radio(dlg.get(), "GradientRadio")->isChecked());
    EXPECT_TRUE(Radio(dlg.get(), "HorizontalRadio")->isChecked());
    EXPECT_EQ(dlg->findChild<QStackedWidget*>("BackgroundPages")->currentIndex(), 1);
    EXPECT_FALSE(Check(dlg.get(), "AnimationCheckBox")->isChecked());
    EXPECT_TRUE(Check(dlg.get(), "TrayCheckBox")->isChecked());
    EXPECT_EQ(Pref("CardSize"), "0"); // not rewritten from the screen
}

// Any stored text counts: only a missing key keeps the default.
TEST_F(PreferencesTest, BooleanKeysReadTrueOnlyForTrueYesAndOne) {
    const struct {
        const char* text;
        bool expected;
    } cases[] = {{"yes", true},    {"YES", true},   {"1", true},      {"True", true},  {"tRUE", true},
                 {"on", false},    {"False", false}, {"no", false},   {"0", false},    {"maybe", false},
                 {"", false},      {"2", false},     {"-1", false},   {"yes!", false}, {"$1", false}};
    for (const auto& c : cases) {
        TestSupport::ClearSettings();
        SetPref("DoSound", c.text);
        SetPref("DoAnimation", c.text);
        SetPref("MinimizeToTray", c.text);
        auto dlg = MakeDialog();
        EXPECT_EQ(dlg->Values.DoSound, c.expected) << c.text;
        EXPECT_EQ(dlg->Values.DoAnimation, c.expected) << c.text;
        EXPECT_EQ(dlg->Values.MinimizeToTray, c.expected) << c.text;
        EXPECT_EQ(Check(dlg.get(), "SoundCheckBox")->isChecked(), c.expected) << c.text;
        EXPECT_EQ(Pref("DoSound"), c.text); // read, never repaired
    }
}

// Text that is no number reads 0, or 1 when it reads as true; numbers out of
// range give the default.
TEST_F(PreferencesTest, IndexKeysReadTextAsZeroOrOneAndRangeAsBefore) {
    const struct {
        const char* text;
        int back, type, direction;
    } cases[] = {{"Yes", 1, 1, 1},  {"true", 1, 1, 1}, {"1", 1, 1, 1},  {"junk", 0, 0, 0}, {"", 0, 0, 0},
                 {"no", 0, 0, 0},   {"2", 2, 2, 0},    {"$2", 2, 2, 0}, {"7", 0, 0, 0},    {"-1", 0, 0, 0},
                 {"1.5", 0, 0, 0}};
    for (const auto& c : cases) {
        TestSupport::ClearSettings();
        SetPref("BackIndex", c.text);
        SetPref("BackgroundIndex", c.text);
        SetPref("GradientIndex", c.text);
        auto dlg = MakeDialog();
        EXPECT_EQ(dlg->Values.BackIndex, c.back) << c.text;
        EXPECT_EQ(TCard::GetBackIndex(), c.back) << c.text;
        EXPECT_EQ(dlg->Values.BackgroundIndex, c.type) << c.text;
        EXPECT_EQ(dlg->findChild<QStackedWidget*>("BackgroundPages")->currentIndex(), c.type) << c.text;
        EXPECT_EQ(dlg->Values.GradientIndex, c.direction) << c.text;
    }
}

// A stored card size is taken as it reads; the screen decides only for a
// missing key or a number that is no card size, and only then is it written.
TEST_F(PreferencesTest, CardSizeTextIsTakenAndOnlyAMissingOrBadNumberIsReplaced) {
    const struct {
        const char* text; // nullptr: no key
        int screenWidth;
        int expected;
        const char* storedAfter;
    } cases[] = {{"junk", 1024, 0, "junk"}, {"", 1024, 0, ""},     {"yes", 800, 1, "yes"}, {"TRUE", 800, 1, "TRUE"},
                 {"$1", 800, 1, "$1"},      {"2", 800, 0, "0"},    {"-1", 1024, 1, "1"},   {nullptr, 800, 0, "0"},
                 {"None", 1024, 1, "1"}};
    for (const auto& c : cases) {
        TestSupport::ClearSettings();
        if (c.text) SetPref("CardSize", c.text);
        auto dlg = MakeDialog(c.screenWidth);
        const char* label = c.text ? c.text : "(missing)";
        EXPECT_EQ(dlg->Values.CardSize, c.expected) << label;
        EXPECT_EQ(TCard::GetCardSize(), c.expected == 0 ? FS_SMALL : FS_LARGE) << label;
        EXPECT_TRUE(Radio(dlg.get(), c.expected == 0 ? "SmallCardsRadio" : "LargeCardsRadio")->isChecked()) << label;
        EXPECT_EQ(Pref("CardSize"), c.storedAfter) << label;
    }
}

TEST_F(PreferencesTest, NonsenseInEveryKeyReadsAsZeroOrFalseAndMissingPicturesAsNone) {
    for (const char* key : {"BackIndex", "CardSize", "BackgroundIndex", "GradientIndex", "BackgroundColor",
                            "GradientStartColor", "GradientEndColor", "DoAnimation", "DoSound", "MinimizeToTray",
                            "CustomColors"})
        SetPref(key, "#~?xyzzy\x7f");
    SetPref("BackIndex", "7"); // out of range gives the default
    SetPref("GradientIndex", "-1");
    const QString missing = PicturePath("nowhere.bmp");
    SetPref("CustomImage", missing);
    SetPref("BackgroundImage", PicturePath("nothing.bmp"));
    SetPref("BackgroundIndex", "2");

    auto dlg = MakeDialog(1024);
    const TPreferences& v = dlg->Values;
    const TPreferences defaults;
    EXPECT_EQ(v.BackIndex, 0);
    EXPECT_EQ(v.CardSize, 0); // nonsense reads 0, whatever the screen
    EXPECT_EQ(Pref("CardSize"), "#~?xyzzy\x7f");
    EXPECT_EQ(v.BackgroundIndex, 0); // the picture is gone: back to solid colour
    EXPECT_EQ(v.GradientIndex, 0);
    EXPECT_EQ(v.BackgroundColor, defaults.BackgroundColor);
    EXPECT_EQ(v.GradientStartColor, defaults.GradientStartColor);
    EXPECT_EQ(v.GradientEndColor, defaults.GradientEndColor);
    EXPECT_FALSE(v.DoAnimation);
    EXPECT_FALSE(v.DoSound);
    EXPECT_TRUE(sound.Played().empty()); // sounds are off
    EXPECT_FALSE(v.MinimizeToTray);
    EXPECT_EQ(v.CustomImage, "None");
    EXPECT_EQ(v.BackgroundImage, "None");
    EXPECT_EQ(Pref("CustomImage"), "None");
    EXPECT_EQ(Pref("BackgroundImage"), "None");
    EXPECT_EQ(dialogs.Log, (QStringList{"Warning: The custom card back image " + missing + " was not found.",
                                        "Warning: The game background image " + PicturePath("nothing.bmp") +
                                            " was not found."}));
}

TEST_F(PreferencesTest, OpeningSoundPlaysLastAndOnlyWithSoundsOn) {
    {
        auto dlg = MakeDialog();
        ASSERT_EQ(sound.Played().size(), 1u);
        EXPECT_EQ(sound.Played()[0].Name, "OPEN");
        EXPECT_FALSE(sound.Played()[0].Wait);
    }
    sound.Clear();
    SetPref("DoSound", "False");
    auto dlg = MakeDialog();
    EXPECT_TRUE(sound.Played().empty());
}

TEST_F(PreferencesTest, ClosingWritesKeysInOrderAndAppliesTheControls) {
    auto dlg = MakeDialog(1024); // writes CardSize at once
    dlg->show();
    Radio(dlg.get(), "CardBackRadio2")->setChecked(true);
    Check(dlg.get(), "SoundCheckBox")->setChecked(false);
    Check(dlg.get(), "TrayCheckBox")->setChecked(true);
    Radio(dlg.get(), "SmallCardsRadio")->setChecked(true);
    Radio(dlg.get(), "TiledImageRadio")->click();
    Radio(dlg.get(), "HorizontalRadio")->click();
    bool trayOn = false;
    TPreferencesDlg::TrayHandler = [&](bool on) { trayOn = on; };
    dlg->accept();
    TPreferencesDlg::TrayHandler = nullptr;

    EXPECT_EQ(KeysOf("Preferences"),
              (QStringList{"CardSize", "BackgroundColor", "BackIndex", "DoAnimation", "DoSound", "MinimizeToTray",
                           "BackgroundIndex", "GradientStartColor", "GradientEndColor", "GradientIndex"}));
    EXPECT_EQ(Pref("BackgroundColor"), "$00004000");
    EXPECT_EQ(Pref("BackIndex"), "1");
    EXPECT_EQ(Pref("DoAnimation"), "True");
    EXPECT_EQ(Pref("DoSound"), "False");
    EXPECT_EQ(Pref("MinimizeToTray"), "True");
    EXPECT_EQ(Pref("CardSize"), "0");
    EXPECT_EQ(Pref("BackgroundIndex"), "2");
    EXPECT_EQ(Pref("GradientEndColor"), "clBlack");
    EXPECT_EQ(Pref("GradientIndex"), "1");
    EXPECT_EQ(TCard::GetBackIndex(), 1);
    EXPECT_FALSE(dlg->Values.DoSound);
    EXPECT_TRUE(trayOn);
    // The card size itself waits for the next game window.
    EXPECT_EQ(TCard::GetCardSize(), FS_LARGE);
}

TEST_F(PreferencesTest, EscapeAndTheCloseBoxApplyLikeOk) {
    auto dlg = MakeDialog();
    dlg->show();
    Check(dlg.get(), "AnimationCheckBox")->setChecked(false);
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(Pref("DoAnimation"), "False");

    dlg->show();
    Check(dlg.get(), "AnimationCheckBox")->setChecked(true);
    dlg->close();
    EXPECT_EQ(Pref("DoAnimation"), "True");
}

TEST_F(PreferencesTest, CardSizeChangedFlagIsSetByAChangeAndNeverCleared) {
    auto dlg = MakeDialog(1024);
    dlg->show();
    dlg->accept();
    EXPECT_FALSE(dlg->Values.CardSizeChanged);

    dlg->show();
    Radio(dlg.get(), "SmallCardsRadio")->setChecked(true);
    dlg->accept();
    EXPECT_TRUE(dlg->Values.CardSizeChanged);

    dlg->show();
    Radio(dlg.get(), "LargeCardsRadio")->setChecked(true);
    dlg->accept();
    EXPECT_TRUE(dlg->Values.CardSizeChanged);
    EXPECT_EQ(dlg->Values.CardSize, 1);
}

TEST_F(PreferencesTest, ShowingMirrorsValuesChangedElsewhere) {
    auto dlg = MakeDialog();
    Preferences().DoSound = false;
    Preferences().BackgroundIndex = 1;
    dlg->show();
    EXPECT_FALSE(Check(dlg.get(), "SoundCheckBox")->isChecked());
    EXPECT_TRUE(Radio(dlg.get(), "GradientRadio")->isChecked());
    dlg->accept();
}

TEST_F(PreferencesTest, ColourSwatchesAskTheColourDialogAndSaveCustomColours) {
    SetPref("CustomColors", "ColorA=0000FF,ColorB=00FF00");
    auto dlg = MakeDialog();
    dialogs.ColorAnswers = {0x112233u, std::nullopt};
    dialogs.CustomColorsAnswer = QList<quint32>(16, 0xABCDEFu);
    Button(dlg.get(), "StartColorSwatch")->click();
    EXPECT_EQ(dialogs.LastColorInitial, 16384u);
    ASSERT_EQ(dialogs.LastCustomColors.size(), 16);
    EXPECT_EQ(dialogs.LastCustomColors[0], 0x0000FFu);
    EXPECT_EQ(dialogs.LastCustomColors[1], 0x00FF00u);
    EXPECT_EQ(dlg->Values.GradientStartColor, 0x112233u);
    EXPECT_TRUE(Pref("CustomColors").startsWith("ColorA=ABCDEF,ColorB=ABCDEF,"));

    // Cancel changes nothing.
    Button(dlg.get(), "SolidColorSwatch")->click();
    EXPECT_EQ(dlg->Values.BackgroundColor, 16384u);
    dlg->show();
    dlg->accept();
    EXPECT_EQ(Pref("GradientStartColor"), "$00112233");
}

TEST_F(PreferencesTest, HelpButtonAndF1OpenThePreferencesTopic) {
    auto dlg = MakeDialog();
    dlg->show();
    Button(dlg.get(), "HelpButton")->click();
    QTest::keyClick(dlg.get(), Qt::Key_F1);
    EXPECT_EQ(dialogs.Of("Help"), (QStringList{"502", "502"}));
    EXPECT_TRUE(dlg->isVisible());
    dlg->accept();
}

// ---------------------------------------------------------------------------
// The custom card back.

TEST_F(PreferencesTest, BrowsingForACardBackBuildsAndSelectsIt) {
    const QString path = SavePicture("back.png", Encode(Pattern(), "PNG"));
    auto dlg = MakeDialog();
    EXPECT_FALSE(Radio(dlg.get(), "CardBackRadio4")->isEnabled());
    dialogs.OpenFileAnswers = {path};
    Button(dlg.get(), "BrowseCardBackButton")->click();

    EXPECT_EQ(dialogs.LastOpenFile.Filter, PictureFilter);
    EXPECT_TRUE(dialogs.LastOpenFile.MustExist);
    EXPECT_TRUE(dialogs.LastOpenFile.InitialDir.isEmpty());
    EXPECT_EQ(Pref("CustomImage"), path);
    EXPECT_TRUE(Radio(dlg.get(), "CardBackRadio4")->isEnabled());
    EXPECT_TRUE(Radio(dlg.get(), "CardBackRadio4")->isChecked());
    EXPECT_EQ(TCard::GetBackIndex(), 3);

    // The preview: the picture inside a 5-pixel margin, corners in the button face.
    const QImage preview = dlg->findChild<QLabel*>("CardBackImage4")->pixmap().toImage();
    ASSERT_EQ(preview.size(), QSize(80, 125));
    const QColor face = dlg->palette().color(QPalette::Button);
    EXPECT_EQ(preview.pixelColor(0, 0), face);
    EXPECT_EQ(preview.pixelColor(1, 0), face);
    EXPECT_EQ(preview.pixelColor(79, 124), face);
    EXPECT_EQ(preview.pixelColor(78, 124), face);
    EXPECT_EQ(preview.pixelColor(40, 62).blue(), 200); // the pattern's blue

    // The next browse starts at the chosen file.
    dialogs.OpenFileAnswers = {std::nullopt};
    Button(dlg.get(), "BrowseCardBackButton")->click();
    EXPECT_EQ(dialogs.LastOpenFile.InitialDir, pictures.path());
    EXPECT_EQ(dialogs.LastOpenFile.FileName, "back.png");

    dlg->show();
    dlg->accept();
    EXPECT_EQ(Pref("BackIndex"), "3");
    // The next start rebuilds the stored back and selects it.
    dlg.reset();
    TCard::SetBackIndex(0);
    auto again = MakeDialog();
    EXPECT_EQ(again->Values.BackIndex, 3);
    EXPECT_EQ(TCard::GetBackIndex(), 3);
    EXPECT_TRUE(Radio(again.get(), "CardBackRadio4")->isChecked());
}

TEST_F(PreferencesTest, EveryReadablePictureFormatMakesACardBack) {
    const QString paths[] = {SavePicture("b.bmp", Encode(Pattern(), "BMP")),
                             SavePicture("j.jpg", Encode(Pattern(), "JPEG")),
                             SavePicture("j2.jpeg", Encode(Pattern(), "JPEG")),
                             SavePicture("p.png", Encode(Pattern(), "PNG")),
                             SavePicture("c.pcx", Pcx()), SavePicture("UPPER.BMP", Encode(Pattern(), "BMP"))};
    auto dlg = MakeDialog();
    for (const QString& path : paths) {
        dialogs.OpenFileAnswers = {path};
        Button(dlg.get(), "BrowseCardBackButton")->click();
        EXPECT_EQ(Pref("CustomImage"), path);
    }
    EXPECT_TRUE(dialogs.Of("Error").isEmpty()) << dialogs.Log.join("\n").toStdString();
}

TEST_F(PreferencesTest, UnreadablePicturesReportAnErrorAndLeaveTheSettingsAlone) {
    const QByteArray png = Encode(Pattern(64, 64), "PNG");
    const QByteArray jpeg = Encode(Pattern(64, 64), "JPEG");
    const QByteArray bmp = Encode(Pattern(64, 64), "BMP");
    const QByteArray pcx = Pcx(64, 64);
    const QString good = SavePicture("good.png", png);
    // A text chunk after the header that claims far more bytes than follow.
    QByteArray overlong = png;
    overlong.insert(33, QByteArray::fromHex("7ffffff074455874") + "Comment");
    const QString bad[] = {
        SavePicture("overlong-chunk.png", overlong),
        SavePicture("cut.png", png.left(png.size() / 2)),
        SavePicture("cut.jpg", jpeg.left(jpeg.size() / 2)),
        SavePicture("cut.bmp", bmp.left(bmp.size() / 2)),
        SavePicture("cut.pcx", pcx.left(pcx.size() / 2)),
        SavePicture("noise.jpg", QByteArray(500, '\x5a')),
        SavePicture("empty.bmp", QByteArray()),
        PicturePath("folder.png"),
    };
    QDir().mkpath(PicturePath("folder.png"));

    auto dlg = MakeDialog();
    dialogs.OpenFileAnswers = {good};
    Button(dlg.get(), "BrowseCardBackButton")->click();
    Radio(dlg.get(), "CardBackRadio2")->click();
    TCard::SetBackIndex(1);
    dialogs.Log.clear();

    for (const QString& path : bad) {
        dialogs.OpenFileAnswers = {path};
        Button(dlg.get(), "BrowseCardBackButton")->click();
        dialogs.OpenFileAnswers = {path};
        Button(dlg.get(), "BrowseBackgroundButton")->click();
        const QString message = "Error: The picture " + path + " could not be read.";
        EXPECT_EQ(dialogs.Log, (QStringList{"OpenFile", message, "OpenFile", message})) << path.toStdString();
        dialogs.Log.clear();
        EXPECT_EQ(Pref("CustomImage"), good);
        EXPECT_EQ(Pref("BackgroundImage"), "None");
        EXPECT_EQ(TCard::GetBackIndex(), 1);
        EXPECT_TRUE(Radio(dlg.get(), "CardBackRadio2")->isChecked());
        EXPECT_TRUE(dlg->Values.BackgroundBitmap.isNull());
    }
}

TEST_F(PreferencesTest, APictureWithoutReadPermissionIsReported) {
    const QString path = SavePicture("locked.png", Encode(Pattern(), "PNG"));
    QFile::setPermissions(path, QFileDevice::Permissions());
    if (QFile(path).open(QIODevice::ReadOnly)) GTEST_SKIP() << "running with rights that ignore permissions";
    auto dlg = MakeDialog();
    dialogs.OpenFileAnswers = {path};
    Button(dlg.get(), "BrowseCardBackButton")->click();
    EXPECT_EQ(dialogs.Of("Error"), QStringList{"The picture " + path + " could not be read."});
    EXPECT_EQ(Pref("CustomImage"), "None");
}

TEST_F(PreferencesTest, GifIsDroppedSilentlyAtStartUpAndRefusedWhenChosen) {
    const QString gif = SavePicture("anim.gif", Encode(Pattern(), "PNG"));
    SetPref("CustomImage", gif);
    SetPref("BackIndex", "3");
    auto dlg = MakeDialog();
    EXPECT_TRUE(dialogs.Log.isEmpty());
    EXPECT_EQ(Pref("CustomImage"), "None");
    EXPECT_EQ(dlg->Values.BackIndex, 0);
    EXPECT_EQ(TCard::GetBackIndex(), 0);

    const QString good = SavePicture("good.bmp", Encode(Pattern(), "BMP"));
    dialogs.OpenFileAnswers = {good, gif, gif};
    Button(dlg.get(), "BrowseCardBackButton")->click();
    Button(dlg.get(), "BrowseCardBackButton")->click();
    Button(dlg.get(), "BrowseBackgroundButton")->click();
    EXPECT_EQ(dialogs.Of("Error"), (QStringList{"GIF images are not supported.", "GIF images are not supported."}));
    EXPECT_EQ(Pref("CustomImage"), good);
    EXPECT_EQ(Pref("BackgroundImage"), "None");
    EXPECT_EQ(TCard::GetBackIndex(), 3);
}

TEST_F(PreferencesTest, AMissingCustomBackFallsBackToTheFirstBackWithOneWarning) {
    const QString gone = PicturePath("gone.bmp");
    SetPref("CustomImage", gone);
    SetPref("BackIndex", "3");
    auto dlg = MakeDialog();
    EXPECT_EQ(dialogs.Log, QStringList{"Warning: The custom card back image " + gone + " was not found."});
    EXPECT_EQ(dlg->Values.BackIndex, 0);
    EXPECT_EQ(TCard::GetBackIndex(), 0);
    EXPECT_TRUE(Radio(dlg.get(), "CardBackRadio1")->isChecked());
    EXPECT_FALSE(Radio(dlg.get(), "CardBackRadio4")->isEnabled());
    EXPECT_EQ(Pref("CustomImage"), "None");
    EXPECT_EQ(Pref("BackIndex"), "0");
}

TEST_F(PreferencesTest, CustomBackIndexWithoutAPictureFallsBackAndIsRepaired) {
    SetPref("BackIndex", "3"); // CustomImage missing, as in a hand-edited file
    auto dlg = MakeDialog();
    EXPECT_EQ(dlg->Values.BackIndex, 0);
    EXPECT_EQ(TCard::GetBackIndex(), 0);
    EXPECT_TRUE(Radio(dlg.get(), "CardBackRadio1")->isChecked());
    EXPECT_EQ(Pref("BackIndex"), "0");
    EXPECT_TRUE(dialogs.Log.isEmpty());
}

TEST_F(PreferencesTest, ACustomBackInAVeryLongPathWorksEndToEnd) {
    QString folder = pictures.path();
    while (folder.size() < 300) folder += QStringLiteral("/a-rather-long-folder-name-for-pictures");
    const QString path = folder + QStringLiteral("/back.bmp");
    WriteFile(path, Encode(Pattern(), "BMP"));
    ASSERT_GT(path.size(), 300);
    {
        auto dlg = MakeDialog();
        dialogs.OpenFileAnswers = {path};
        Button(dlg.get(), "BrowseCardBackButton")->click();
        dlg->show();
        dlg->accept();
    }
    EXPECT_EQ(Pref("CustomImage"), path);
    auto dlg = MakeDialog();
    EXPECT_EQ(dlg->Values.CustomImage, path);
    EXPECT_EQ(dlg->Values.BackIndex, 3);
    EXPECT_TRUE(dialogs.Of("Warning").isEmpty());
}

namespace {
QSize BackSize(int index) {
    const TImageList* backs = TCard::GetBackImageList();
    return backs->Has(index) ? backs->Image(index).deviceIndependentSize().toSize() : QSize();
}
} // namespace

TEST_F(PreferencesTest, ACustomBackSurvivesACardSizeChange) {
    const QString path = SavePicture("back.bmp", Encode(Pattern(), "BMP"));
    SetPref("CustomImage", path);
    SetPref("BackIndex", "3");
    SetPref("CardSize", "1");
    auto dlg = MakeDialog();
    ASSERT_EQ(TCard::GetBackIndex(), 3);
    EXPECT_EQ(TCard::GetBackImageList()->Count(), 4);
    EXPECT_EQ(BackSize(3), QSize(80, 125));

    dlg->show();
    Radio(dlg.get(), "SmallCardsRadio")->setChecked(true);
    dlg->accept();
    ASSERT_TRUE(dlg->Values.CardSizeChanged);

    // What the selector does before it opens a game window.
    TCard::SetCardSize(FS_SMALL);
    EXPECT_EQ(TCard::GetBackImageList()->Count(), 3); // the size change dropped it
    dlg->RebuildCustomBack();
    EXPECT_EQ(TCard::GetBackImageList()->Count(), 4);
    EXPECT_EQ(BackSize(3), QSize(61, 95));
    EXPECT_EQ(TCard::GetBackIndex(), 3);

    // Back to large: the flag stays set, so the back is rebuilt again.
    TCard::SetCardSize(FS_LARGE);
    dlg->RebuildCustomBack();
    EXPECT_EQ(BackSize(3), QSize(80, 125));
    EXPECT_EQ(TCard::GetBackImageList()->Count(), 4);
    EXPECT_TRUE(dialogs.Log.isEmpty());
}

TEST_F(PreferencesTest, RebuildingHappensOnlyAfterASizeChangeAndNoticesAMissingPicture) {
    const QString path = SavePicture("back.bmp", Encode(Pattern(), "BMP"));
    SetPref("CustomImage", path);
    SetPref("BackIndex", "2");
    SetPref("CardSize", "1");
    auto dlg = MakeDialog();
    EXPECT_EQ(TCard::GetBackIndex(), 2); // built, not selected

    QFile::remove(path); // a rebuild would notice the picture is gone
    dlg->RebuildCustomBack();
    EXPECT_TRUE(dialogs.Log.isEmpty());

    dlg->show();
    Radio(dlg.get(), "SmallCardsRadio")->setChecked(true);
    dlg->accept();
    TCard::SetCardSize(FS_SMALL);
    dlg->RebuildCustomBack();
    EXPECT_EQ(dialogs.Log, QStringList{"Warning: The custom card back image " + path + " was not found."});
    EXPECT_EQ(TCard::GetBackIndex(), 2);
    EXPECT_EQ(Pref("CustomImage"), "None");
    EXPECT_FALSE(Radio(dlg.get(), "CardBackRadio4")->isEnabled());

    // Without a custom picture a rebuild has nothing to do.
    dialogs.Log.clear();
    dlg->RebuildCustomBack();
    EXPECT_TRUE(dialogs.Log.isEmpty());
}

// ---------------------------------------------------------------------------
// The background picture.

TEST_F(PreferencesTest, BackgroundPictureLoadsIntoThePreviewAndTheValues) {
    const QString path = SavePicture("tile.pcx", Pcx(40, 30));
    auto dlg = MakeDialog();
    Radio(dlg.get(), "TiledImageRadio")->click();
    EXPECT_EQ(dlg->findChild<QStackedWidget*>("BackgroundPages")->currentIndex(), 2);
    dialogs.OpenFileAnswers = {path};
    Button(dlg.get(), "BrowseBackgroundButton")->click();
    EXPECT_EQ(dlg->Values.BackgroundBitmap.size(), QSize(40, 30));
    EXPECT_EQ(dlg->Values.BackgroundBitmap.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(dlg->Values.BackgroundBitmap.pixelColor(1, 0), QColor(0, 255, 0));
    EXPECT_EQ(Pref("BackgroundImage"), path);
    EXPECT_FALSE(dlg->findChild<QLabel*>("BackgroundPreview")->pixmap().isNull());
    dlg->show();
    dlg->accept();
    EXPECT_EQ(Pref("BackgroundIndex"), "2");

    dlg.reset();
    auto again = MakeDialog();
    EXPECT_EQ(again->Values.BackgroundIndex, 2);
    EXPECT_EQ(again->Values.BackgroundBitmap.size(), QSize(40, 30));
}
