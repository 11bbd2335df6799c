#include "SolitaireWindow.h"

#include "CardPileView.h"
#include "Dialogs.h"
#include "Fonts.h"
#include "GameRegistry.h"
#include "GameForm.h"
#include "InfoDlg.h"
#include "Preferences.h"
#include "Requirements.h"
#include "Resources.h"
#include "SoundManager.h"
#include "Statistics.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHelpEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>

namespace {
// The selector's one typeface, bold, with Arial's metrics: every text on the
// form asks for the same face, so it is looked up once.
QFont SelectorFont(int pixelSize) {
    QFont font = ArialMetricsFont(pixelSize);
    font.setBold(true);
    return font;
}

// The help button's glyph: a white question mark on a blue disc, drawn at
// the screen's resolution so it stays crisp.
QIcon HelpGlyph() {
    QIcon icon;
    for (int scale = 1; scale <= 2; ++scale) {
        QPixmap pixmap(19 * scale, 19 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(20, 50, 120), 1));
        painter.setBrush(QColor(40, 90, 190));
        painter.drawEllipse(QRectF(0.5, 0.5, 18, 18));
        painter.setFont(SelectorFont(14));
        painter.setPen(Qt::white);
        painter.drawText(QRectF(0, 0, 19, 19), Qt::AlignCenter, QStringLiteral("?"));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

TSolitaireForm* theForm = nullptr;

const QString kTitle = QStringLiteral("Quillane!");

const std::array<TSolitaireGame, 12>& kGames = SolitaireGames();

// A game window that has agreed to close is only hidden until it is deleted;
// it no longer counts as open.
TGameForm* LiveGame(const QString& className) {
    TGameForm* form = GameFormReference(className);
    return form && !form->isHidden() ? form : nullptr;
}

// The picture at the screen's density: 2x art on high-density screens.
QPixmap Picture(const char* name, const QWidget* widget) {
    const int scale = widget->devicePixelRatioF() > 1.0 ? 2 : 1;
    return QPixmap::fromImage(ResourceImage(QString::fromLatin1(name), scale));
}
} // namespace


TSolitaireForm* SolitaireForm() { return theForm; }

QString ColorDepthMessage() {
    return QCoreApplication::translate("TSolitaireForm",
                                       "Quillane requires at least high-color (16-bit) color palette setting to play.\n\n"
                                       "Please press the Help button below for more information.");
}

bool DesktopTooSmallIsSmallCards(int gameIndex, int kind) {
    return kind == 1 && kGames.at(std::size_t(gameIndex)).LargeNeeds != 800;
}

QString DesktopTooSmallMessage(int gameIndex, int kind) {
    const QString name = GameTitle(kGames.at(std::size_t(gameIndex)).MessageName);
    if (kind == 2)
        return QCoreApplication::translate("TSolitaireForm",
                                           "%1 requires at least XGA (1024x768) desktop area to play using the large "
                                           "card preference.\n\nIncrease your desktop area or select the small card "
                                           "size preference.")
            .arg(name);
    if (DesktopTooSmallIsSmallCards(gameIndex, kind))
        return QCoreApplication::translate("TSolitaireForm", "%1 requires at least SVGA (800x600) desktop area to "
                                                             "play.\n\nIncrease your desktop area to play.")
            .arg(name);
    return QCoreApplication::translate("TSolitaireForm",
                                       "%1 requires at least SVGA (800x600) desktop area to play using the large card "
                                       "preference.\n\nIncrease your desktop area or select the small card size "
                                       "preference.")
        .arg(name);
}

TSolitaireForm::TSolitaireForm(std::unique_ptr<TSoundBackend> soundBackend, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    theForm = this;
    setObjectName(QStringLiteral("SolitaireForm"));
    setWindowTitle(kTitle);
    setFixedSize(329, 241);

    BuildForm();
    sound_ = std::make_unique<TSoundManager>(std::move(soundBackend));

    // The form takes the colour of the jester picture's corner.
    const QColor formColor = jesterCorner_.isValid() ? jesterCorner_ : QColor(191, 191, 191);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, formColor);
    setPalette(pal);
    setAutoFillBackground(true);
    QPalette panelPal = StartPanel->palette();
    panelPal.setColor(QPalette::Window, formColor);
    StartPanel->setPalette(panelPal);

    FormPlacement1.IniSection = QStringLiteral("MainWindow");
    FormPlacement1.Options = TFormPlacement::PositionOnly;
    // Placed before the window exists, so the saved position is taken as the
    // frame's (as it was saved): moved once shown, it would be the client's.
    FormPlacement1.RestoreFormPlacement(this);

    TPreferencesDlg::TrayHandler = [this](bool on) { SwitchTray(on); };
}

TSolitaireForm::~TSolitaireForm() {
    TPreferencesDlg::TrayHandler = nullptr;
    TCard::FreeCardBitmaps();
    sound_.reset();
    if (theForm == this) theForm = nullptr;
}

void TSolitaireForm::BuildForm() {
    GameSelectListBox = new QListWidget(this);
    GameSelectListBox->setObjectName(QStringLiteral("GameSelectListBox"));
    GameSelectListBox->setGeometry(4, 5, 157, 97);
    GameSelectListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    GameSelectListBox->setToolTip(tr("Select Solitaire Game"));
    GameSelectListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette listPal = GameSelectListBox->palette();
    listPal.setColor(QPalette::Base, palette().color(QPalette::ToolTipBase));
    listPal.setColor(QPalette::Text, palette().color(QPalette::ToolTipText));
    GameSelectListBox->setPalette(listPal);
    GameSelectListBox->setFont(SelectorFont(12));
    GameSelectListBox->setUniformItemSizes(true);
    for (const TSolitaireGame& game : kGames) {
        auto* item = new QListWidgetItem(GameTitle(game.Name), GameSelectListBox);
        item->setSizeHint(QSize(150, 15));
    }
    connect(GameSelectListBox, &QListWidget::itemSelectionChanged, this, &TSolitaireForm::SelectionChanged);
    // A click on the item already selected chooses it again (after a change of card size).
    connect(GameSelectListBox, &QListWidget::clicked, this, [this] {
        if (!changedSincePress_) GameSelectListBoxClick();
    });
    GameSelectListBox->viewport()->installEventFilter(this);
    GameSelectListBox->installEventFilter(this);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(214, 5, 72, 104);
    Image1->setAlignment(Qt::AlignCenter);
    {
        // At 1x one decoding gives both the picture and the form's colour.
        const QImage plain = ResourceImage(QStringLiteral("JESTER1"));
        if (!plain.isNull()) jesterCorner_ = plain.pixelColor(0, 0);
        Image1->setPixmap(devicePixelRatioF() > 1.0 ? Picture("JESTER1", this) : QPixmap::fromImage(plain));
    }
    Image1->setToolTip(tr("Click for Info..."));
    Image1->installEventFilter(this);

    HelpButton = new QToolButton(this);
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    HelpButton->setGeometry(300, 80, 25, 25);
    HelpButton->setAutoRaise(true);
    HelpButton->setIcon(HelpGlyph());
    HelpButton->setIconSize(QSize(19, 19));
    HelpButton->setToolTip(tr("Help..."));
    HelpButton->setFocusPolicy(Qt::NoFocus);
    connect(HelpButton, &QToolButton::clicked, this, &TSolitaireForm::HelpButtonClick);

    ImagePanel = new QFrame(this);
    ImagePanel->setObjectName(QStringLiteral("ImagePanel"));
    ImagePanel->setGeometry(3, 109, 324, 129);
    ImagePanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ImagePanel->setLineWidth(1);

    GameImage = new QLabel(ImagePanel);
    GameImage->setObjectName(QStringLiteral("GameImage"));
    GameImage->setGeometry(2, 2, 320, 125);
    GameImage->setPixmap(Picture("STARTUP", this));

    StartPanel = new QWidget(ImagePanel);
    StartPanel->setObjectName(QStringLiteral("StartPanel"));
    StartPanel->setGeometry(72, 72, 185, 41);
    StartPanel->setAutoFillBackground(true);
    // A word of welcome on the start picture until the first game is chosen.
    auto* invitation = new QLabel(tr("Choose a game from the list"), StartPanel);
    invitation->setObjectName(QStringLiteral("StartLabel"));
    invitation->setGeometry(0, 0, 185, 41);
    invitation->setAlignment(Qt::AlignCenter);
    invitation->setFont(SelectorFont(12));
    QPalette invitationPal = invitation->palette();
    invitationPal.setColor(QPalette::WindowText, QColor(0, 0, 128));
    invitation->setPalette(invitationPal);

    GameSelectListBox->setFocus();
}

TDisplay TSolitaireForm::MeasureDisplay() const {
    const QScreen* s = screen();
    if (!s) s = QGuiApplication::primaryScreen();
    if (!s) return {};
    return {s->geometry().width(), s->depth()};
}

QString TSolitaireForm::GameToolTip(int row) const {
    if (row < 0 || row >= int(kGames.size())) return {};
    return FiguresToolTip(TStatisticsStore::Instance().Of(QLatin1String(kGames[std::size_t(row)].Name)));
}

void TSolitaireForm::GameSelectListBoxClick() { ChooseGame(MeasureDisplay()); }

void TSolitaireForm::EnsureStartupForms() {
    if (!CreateStartupForms) return;
    const std::function<void()> create = std::move(CreateStartupForms);
    CreateStartupForms = nullptr;
    create();
}

void TSolitaireForm::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!iconSet_) {
        // Seven icon pictures to decode: the window shows first, its icon follows.
        iconSet_ = true;
        QTimer::singleShot(0, this, [this] { setWindowIcon(ProgramIcon()); });
    }
    if (CreateStartupForms) QTimer::singleShot(0, this, &TSolitaireForm::EnsureStartupForms);
}

void TSolitaireForm::ChooseGame(const TDisplay& display) {
    EnsureStartupForms(); // a choice made before the first paint finished
    const int index = GameSelectListBox->currentRow();
    if (index < 0 || index >= int(kGames.size())) return;

    if (display.Depth <= 8) {
        ShowRequirements(ColorDepthMessage(), true);
        return;
    }
    DesktopBelow800 = display.Width < 800;
    DesktopBelow1024 = display.Width < 1024;

    const TSolitaireGame& game = kGames[std::size_t(index)];
    const bool large = Preferences().CardSize != 0;
    const QString className = QLatin1String(large ? game.LargeClass : game.SmallClass);
    // The chosen game already open with this card size: nothing to do.
    if (!LiveGame(className)) {
        CloseAllGames();
        if (!GameCloseAllowed) {
            SelectRow(LastGameIndex);
            return;
        }
        StartPanel->hide();
        GameImage->setPixmap(Picture(game.Preview, this));

        const int needs = large ? game.LargeNeeds : game.SmallNeeds;
        if (needs == 800 && DesktopBelow800) {
            ShowDesktopTooSmall(1);
        } else if (needs == 1024 && DesktopBelow1024) {
            ShowDesktopTooSmall(2);
        } else {
            TCard::SetCardSize(large ? FS_LARGE : FS_SMALL);
            if (TPreferencesDlg* dlg = PreferencesDlg()) dlg->RebuildCustomBack();
            if (TGameForm* form = CreateGameForm(className)) form->show();
        }
    }
    LastGameIndex = GameSelectListBox->currentRow();
}

void TSolitaireForm::CloseAllGames() {
    GameCloseAllowed = true;
    for (const TSolitaireGame& game : kGames) {
        for (const char* className : {game.LargeClass, game.SmallClass}) {
            TGameForm* form = LiveGame(QLatin1String(className));
            if (!form) continue;
            // A window that refuses without asking (a drag under way) refuses all the same.
            if (!form->close()) GameCloseAllowed = false;
            if (!GameCloseAllowed) return;
        }
    }
}

TGameForm* TSolitaireForm::OpenGame() {
    for (const TSolitaireGame& game : kGames)
        for (const char* className : {game.LargeClass, game.SmallClass})
            if (TGameForm* form = LiveGame(QLatin1String(className))) return form;
    return nullptr;
}

void TSolitaireForm::ShowDesktopTooSmall(int kind) {
    const int index = GameSelectListBox->currentRow();
    ShowRequirements(DesktopTooSmallMessage(index, kind), DesktopTooSmallIsSmallCards(index, kind));
}

void TSolitaireForm::ShowRequirements(const QString& message, bool hidePreferences) {
    TSysRequirementsForm* form = SysRequirementsForm();
    if (!form) form = new TSysRequirementsForm(this);
    form->MessageLabel->setText(message);
    if (hidePreferences) form->PreferencesButton->hide();
    Dialogs().ExecModal(form);
    form->PreferencesButton->show();
}

void TSolitaireForm::SelectRow(int row) {
    selecting_ = true;
    GameSelectListBox->setCurrentRow(row);
    selecting_ = false;
}

void TSolitaireForm::SelectionChanged() {
    if (selecting_ || GameSelectListBox->selectedItems().isEmpty()) return;
    changedSincePress_ = true;
    GameSelectListBoxClick();
}

void TSolitaireForm::Image1Click() { ShowInfoBox(this); }

void TSolitaireForm::HelpButtonClick() { Dialogs().ShowHelp(this, 0); }

void TSolitaireForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        HelpButtonClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TSolitaireForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == GameSelectListBox && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            HelpButtonClick();
            return true;
        }
    } else if (watched == GameSelectListBox->viewport() && event->type() == QEvent::MouseButtonPress) {
        changedSincePress_ = false;
    } else if (watched == GameSelectListBox->viewport() && event->type() == QEvent::ToolTip) {
        // Each entry's tip holds the game's figures as they stand now; they
        // are read only when a tip is first asked for.
        const QPoint at = static_cast<QHelpEvent*>(event)->pos();
        if (QListWidgetItem* item = GameSelectListBox->itemAt(at))
            item->setToolTip(GameToolTip(GameSelectListBox->row(item)));
    } else if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && Image1->rect().contains(mouse->position().toPoint())) {
            Image1Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TSolitaireForm::closeEvent(QCloseEvent* event) {
    CloseAllGames();
    if (!GameCloseAllowed) {
        event->ignore();
        return;
    }
    FormPlacement1.SaveFormPlacement(this);
    if (trayIcon_) trayIcon_->hide();
    event->accept();
    emit Closed();
}

// The tray icon's menu, made with the first tray icon: most runs never show one.
void TSolitaireForm::BuildTrayMenu() {
    if (TrayPopupMenu) return;
    TrayPopupMenu = new QMenu(this);
    TrayPopupMenu->setObjectName(QStringLiteral("TrayPopupMenu"));
    Restore1 = TrayPopupMenu->addAction(tr("&Restore"));
    Restore1->setObjectName(QStringLiteral("Restore1"));
    connect(Restore1, &QAction::triggered, this, &TSolitaireForm::TrayIconDblClick);
    Exit1 = TrayPopupMenu->addAction(tr("&Exit"));
    Exit1->setObjectName(QStringLiteral("Exit1"));
    connect(Exit1, &QAction::triggered, this, &TSolitaireForm::Exit1Click);
}

void TSolitaireForm::SwitchTray(bool on) {
    trayOn_ = on;
    // Without a notification area the window could not be brought back once
    // hidden, so there is no icon and minimising keeps the task-bar button.
    if (on && QSystemTrayIcon::isSystemTrayAvailable()) {
        if (!trayIcon_) {
            BuildTrayMenu();
            trayIcon_ = new QSystemTrayIcon(ProgramIcon(), this);
            trayIcon_->setObjectName(QStringLiteral("TrayIcon"));
            trayIcon_->setToolTip(kTitle);
            trayIcon_->setContextMenu(TrayPopupMenu);
            connect(trayIcon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick) TrayIconDblClick();
            });
        }
        trayIcon_->show();
    } else if (trayIcon_) {
        delete trayIcon_;
        trayIcon_ = nullptr;
        if (isHidden() && windowState() & Qt::WindowMinimized) TrayIconDblClick();
    }
}

void TSolitaireForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized) && trayOn_ &&
        trayIcon_) {
        // Hiding from inside the state change confuses some window managers.
        QTimer::singleShot(0, this, [this] {
            if ((windowState() & Qt::WindowMinimized) && trayIcon_) hide();
        });
    }
}

void TSolitaireForm::TrayIconDblClick() {
    showNormal();
    raise();
    activateWindow();
}

void TSolitaireForm::Exit1Click() { close(); }
