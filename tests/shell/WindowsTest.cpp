// The win window, the about and system requirements windows, the help viewer.
#include "ShellTestSupport.h"

#include "Dialogs.h"
#include "HelpViewer.h"
#include "InfoDlg.h"
#include "Requirements.h"
#include "Resources.h"
#include "WinWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

using namespace ShellTest;

namespace {
// Saves a picture of the window when QUILLANE_SHOTS names a folder.
void Shot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("QUILLANE_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QImage LabelImage(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->pixmap().toImage() : QImage();
}
} // namespace

class WindowsTest : public ShellFixture {};

TEST_F(WindowsTest, WinFormLoopsItsTenFramesAndOnlyTheButtonOrEnterCloseIt) {
    auto* form = new TWinForm;
    EXPECT_EQ(WinForm(), form);
    EXPECT_EQ(form->windowTitle(), "You've Won!");
    EXPECT_FALSE(form->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(sound.Names(), QStringList{"WIN_SND"});
    EXPECT_FALSE(sound.Played()[0].Wait);
    form->show();
    EXPECT_EQ(form->size(), QSize(376, 192));
    auto* clip = form->findChild<QLabel*>("Animate1");
    auto* button = form->findChild<QPushButton*>("Button1");
    ASSERT_TRUE(clip && button);
    EXPECT_EQ(clip->geometry(), QRect(0, 0, 376, 154));
    EXPECT_EQ(button->geometry(), QRect(144, 162, 97, 25));
    EXPECT_EQ(button->text(), "OK, Great!");
    EXPECT_TRUE(button->isDefault());
    Shot(form, "WinForm");

    const QImage first = clip->pixmap().toImage();
    EXPECT_EQ(first.size(), QSize(376, 154));
    for (int i = 1; i <= 10; ++i) {
        form->NextFrame();
        EXPECT_EQ(form->CurrentFrame(), i % 10);
    }
    EXPECT_EQ(clip->pixmap().toImage(), first);
    form->NextFrame();
    EXPECT_NE(clip->pixmap().toImage(), first);

    QTest::keyClick(form, Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    QTest::keyClick(form, Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(WinForm(), nullptr);
    delete form;
}

TEST_F(WindowsTest, AboutBoxSwingsTheJesterAndKeepsThePhaseBetweenShowings) {
    TInfoBox* box = ShowInfoBox();
    EXPECT_EQ(InfoBox(), box);
    EXPECT_EQ(ShowInfoBox(), box); // a second click brings the same window forward
    EXPECT_EQ(box->windowTitle(), "About Quillane!");
    EXPECT_EQ(box->findChild<QLineEdit*>("VersionEdit")->text(), "Quillane Version 1.01");
    EXPECT_EQ(sound.Played().size(), 1u);
    EXPECT_EQ(sound.Names(), QStringList{"JESTER"});
    EXPECT_FALSE(sound.Played()[0].Wait);

    const QImage jester[3] = {ResourceImage(u"JESTER1"), ResourceImage(u"JESTER2"),
                              ResourceImage(u"JESTER3")};
    const bool haveArt = !jester[0].isNull();
    if (haveArt) {
        EXPECT_EQ(box->palette().color(QPalette::Window), jester[1].pixelColor(0, 0));
        EXPECT_EQ(LabelImage(box, "Image1"), jester[1].convertToFormat(LabelImage(box, "Image1").format()));
    }
    Shot(box, "InfoBox");

    const int start = TInfoBox::Phase();
    box->Timer1Timer();
    box->Timer1Timer();
    EXPECT_EQ(TInfoBox::Phase(), (start + 2) % 4);
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_EQ(InfoBox(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // A new window goes on from the phase the last one stopped at.
    TInfoBox* again = ShowInfoBox();
    EXPECT_NE(again, nullptr);
    EXPECT_EQ(TInfoBox::Phase(), (start + 2) % 4);
    static constexpr int kJesterOfPhase[4] = {2, 1, 0, 1};
    for (int tick = 0; tick < 4; ++tick) {
        const int phase = TInfoBox::Phase();
        again->Timer1Timer();
        if (haveArt) {
            const QImage shown = LabelImage(again, "Image1");
            EXPECT_EQ(shown, jester[kJesterOfPhase[phase]].convertToFormat(shown.format())) << phase;
        }
        EXPECT_EQ(TInfoBox::Phase(), (phase + 1) % 4);
    }
    again->findChild<QPushButton*>("OKButton")->click();
    EXPECT_EQ(InfoBox(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(WindowsTest, AboutBoxLinksOpenTheirAddresses) {
    TInfoBox* box = ShowInfoBox();
    auto* web = box->findChild<TLinkLabel*>("WebLink");
    auto* mail = box->findChild<TLinkLabel*>("MailLink");
    ASSERT_TRUE(web && mail);
    EXPECT_EQ(web->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QTest::mousePress(web, Qt::LeftButton);
    EXPECT_EQ(web->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    QTest::mouseRelease(web, Qt::LeftButton);
    EXPECT_EQ(web->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QTest::mouseClick(mail, Qt::LeftButton);
    EXPECT_EQ(dialogs.Of("Url"), (QStringList{InfoWebAddress.toString(), InfoMailAddress.toString()}));
    box->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(WindowsTest, RequirementsWindowHelpAndPreferences) {
    TSysRequirementsForm form;
    EXPECT_EQ(SysRequirementsForm(), &form);
    EXPECT_EQ(form.windowTitle(), "Quillane!");
    EXPECT_EQ(form.findChild<QLabel*>("TitleLabel")->text(), "System\r\nRequirements");
    EXPECT_EQ(form.PreferencesButton->text(), "Preferences...");
    EXPECT_EQ(form.findChild<QPushButton*>("HelpButton")->text(), "&Help");
    const QImage jester = ResourceImage(u"JESTER1");
    if (!jester.isNull()) {
        EXPECT_EQ(form.palette().color(QPalette::Window), jester.pixelColor(0, 0));
    }

    form.MessageLabel->setText("Spider requires at least XGA (1024x768) desktop area to play using the large card "
                               "preference.\n\nIncrease your desktop area or select the small card size preference.");
    form.show();
    Shot(&form, "SysRequirementsForm");
    QTest::keyClick(&form, Qt::Key_F1);
    form.findChild<QPushButton*>("HelpButton")->click();
    EXPECT_EQ(dialogs.Of("Help"), (QStringList{"500", "500"}));
    EXPECT_TRUE(form.isVisible());

    // Preferences: the dialog runs modally first, then this window closes.
    bool visibleDuringPreferences = false;
    dialogs.OnPreferences = [&] { visibleDuringPreferences = form.isVisible(); };
    form.PreferencesButton->click();
    EXPECT_TRUE(visibleDuringPreferences);
    EXPECT_EQ(dialogs.Count("Preferences"), 1);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(WindowsTest, PreferencesDialogCaptionsAndPages) {
    auto dlg = MakeDialog();
    EXPECT_EQ(dlg->windowTitle(), "Quillane Preferences");
    auto* pages = dlg->findChild<QTabWidget*>("PageControl");
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 4);
    EXPECT_EQ(pages->tabText(0), "Card Back");
    EXPECT_EQ(pages->tabText(1), "Card Size");
    EXPECT_EQ(pages->tabText(2), "Game Background");
    EXPECT_EQ(pages->tabText(3), "Other");
    QStringList texts;
    for (auto* label : dlg->findChildren<QLabel*>()) texts << label->text();
    for (auto* button : dlg->findChildren<QAbstractButton*>()) texts << button->text();
    for (auto* group : dlg->findChildren<QGroupBox*>()) texts << group->title();
    for (const char* caption :
         {"Browse to select a Custom Image", "Browse...", "Use small cards (all games fit on 800x600 display)",
          "Use large cards (requires a 1024x768 or larger display)",
          "This preference does not take effect until the current\r\ngame window is closed.", " Select Type ",
          "Solid Color", "Gradient Colors", "Tiled Image", "Select Solid Color", "Select Starting Color",
          "Select Ending Color", " Direction ", "Vertical Gradient", "Horizontal Gradient",
          "Browse to select an Image", "Enable Sounds", "Perform Animation on Deals", "Minimize to Tray in Taskbar",
          "OK", "Help"})
        EXPECT_TRUE(texts.contains(QString::fromLatin1(caption))) << caption;
    EXPECT_EQ(texts.count("Browse..."), 2);

    // The back previews are made at the first showing, card-sized with button-face corners.
    EXPECT_TRUE(LabelImage(dlg.get(), "CardBackImage1").isNull());
    dlg->show();
    const QColor face = dlg->palette().color(QPalette::Button);
    for (const char* name : {"CardBackImage1", "CardBackImage2", "CardBackImage3", "CardBackImage4"}) {
        const QImage preview = LabelImage(dlg.get(), name);
        ASSERT_EQ(preview.size(), QSize(80, 125)) << name;
        EXPECT_EQ(preview.pixelColor(0, 124), face) << name;
        EXPECT_EQ(preview.pixelColor(0, 123), face) << name;
        EXPECT_EQ(preview.pixelColor(79, 0), face) << name;
    }
    for (int page = 0; page < 4; ++page) {
        pages->setCurrentIndex(page);
        Shot(dlg.get(), QStringLiteral("PreferencesDlg-%1").arg(page));
    }
    for (int type = 1; type < 3; ++type) {
        pages->setCurrentIndex(2);
        dlg->findChild<QRadioButton*>(type == 1 ? "GradientRadio" : "TiledImageRadio")->click();
        Shot(dlg.get(), QStringLiteral("PreferencesDlg-2-%1").arg(type));
    }
    // With pictures chosen.
    const QString picture = SavePicture("picture.png", Encode(Pattern(200, 150), "PNG"));
    dialogs.OpenFileAnswers = {picture, picture};
    dlg->findChild<QPushButton*>("BrowseBackgroundButton")->click();
    Shot(dlg.get(), QStringLiteral("PreferencesDlg-2-picture"));
    pages->setCurrentIndex(0);
    dlg->findChild<QPushButton*>("BrowseCardBackButton")->click();
    Shot(dlg.get(), QStringLiteral("PreferencesDlg-0-custom"));
    EXPECT_TRUE(dialogs.Of("Error").isEmpty());
    dlg->accept();
}

TEST_F(WindowsTest, HelpViewerOpensTopicsByNumber) {
    EXPECT_EQ(THelpViewer::TopicUrl(0), QUrl("qrc:/help/index.html"));
    EXPECT_EQ(THelpViewer::TopicUrl(500), QUrl("qrc:/help/500.html"));
    EXPECT_EQ(THelpViewer::TopicUrl(1012), QUrl("qrc:/help/1012.html"));
    EXPECT_TRUE(THelpViewer::TopicUrl(1013).isEmpty());
    EXPECT_TRUE(THelpViewer::TopicUrl(501).isEmpty());

    THelpViewer* viewer = ShowHelpTopic(1007);
    EXPECT_EQ(HelpViewer(), viewer);
    EXPECT_EQ(viewer->CurrentTopic(), 1007);
    auto* list = viewer->findChild<QListWidget*>("ContentsList");
    auto* browser = viewer->findChild<QTextBrowser*>("TopicBrowser");
    ASSERT_TRUE(list && browser);
    EXPECT_EQ(list->count(), 15);
    const bool havePages = QFile::exists(":/help/1007.html");
    if (havePages) {
        EXPECT_TRUE(browser->toPlainText().contains("Klondike"));
        EXPECT_EQ(list->currentItem()->text(), "Klondike");
    }
    Shot(viewer, "HelpViewer");

    EXPECT_EQ(ShowHelpTopic(502), viewer); // one window, new topic
    EXPECT_EQ(viewer->CurrentTopic(), 502);
    list->setCurrentRow(0);
    emit list->itemClicked(list->item(0));
    EXPECT_EQ(viewer->CurrentTopic(), 0);

    // Links between pages are followed inside the viewer; web links go out through the seam.
    if (havePages) {
        emit browser->anchorClicked(QUrl("1004.html"));
        EXPECT_EQ(viewer->CurrentTopic(), 1004);
        EXPECT_EQ(list->currentItem()->text(), "FreeCell");
    }
    emit browser->anchorClicked(QUrl("https://example.org/rules"));
    EXPECT_EQ(dialogs.Of("Url"), QStringList{"https://example.org/rules"});

    viewer->ShowTopic(9999);
    EXPECT_TRUE(browser->toPlainText().contains("not available"));
    viewer->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(HelpViewer(), nullptr);
}

TEST(QtDialogs, PipeFiltersBecomeQtFilters) {
    EXPECT_EQ(TQtDialogs::QtFilter(PictureFilter),
              "Images (*.bmp *.jpeg *.jpg *.pcx *.png);;All Files (*)");
    EXPECT_EQ(TQtDialogs::QtFilter("Text|*.txt"), "Text (*.txt)");
}


// The real message boxes, answered by a timer once they are up.
TEST(QtDialogs, MessageBoxesCarryTheirCaptionsIconsAndButtons) {
    struct Seen {
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
    } seen;
    const auto answer = [&seen](QMessageBox::StandardButton press) {
        QTimer::singleShot(0, [&seen, press] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen = {box->windowTitle(), box->icon(), box->standardButtons()};
            box->button(press)->click();
        });
    };
    TQtDialogs real;
    answer(QMessageBox::Ok);
    EXPECT_TRUE(real.Confirm(nullptr, "Quit this game of Klondike?"));
    EXPECT_EQ(seen.title, "Confirm");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    answer(QMessageBox::Cancel);
    EXPECT_FALSE(real.Confirm(nullptr, "Quit this game of Klondike?"));

    answer(QMessageBox::Ok);
    real.Warning(nullptr, "The game background image x was not found.");
    EXPECT_EQ(seen.title, "Warning");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    answer(QMessageBox::Ok);
    real.Error(nullptr, "GIF images are not supported.");
    EXPECT_EQ(seen.title, "Error");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

TEST(QtDialogs, WinWindowRunsModallyUntilItsButtonIsPressed) {
    TQtDialogs real;
    bool wasModal = false;
    QTimer::singleShot(0, [&wasModal] {
        TWinForm* form = WinForm();
        ASSERT_NE(form, nullptr);
        wasModal = QApplication::activeModalWidget() == form;
        QTest::keyClick(form, Qt::Key_Escape); // ignored
        form->findChild<QPushButton*>("Button1")->click();
    });
    real.ShowWin(nullptr);
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(WinForm(), nullptr);
}
