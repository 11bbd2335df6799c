#include "Preferences.h"

#include "CardPileView.h"
#include "ColorText.h"
#include "Dialogs.h"
#include "PictureFile.h"
#include "Profile.h"
#include "Resources.h"
#include "SoundManager.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>

const QString PictureFilter = QStringLiteral(QT_TRANSLATE_NOOP(
    "TPreferencesDlg", "Images (*.bmp;*.jpeg;*.jpg;*.pcx;*.png)|*.bmp;*.jpeg;*.jpg;*.pcx;*.png|All Files (*.*)|*.*"));

std::function<void(bool)> TPreferencesDlg::TrayHandler;

namespace {
TPreferencesDlg* theDialog = nullptr;

const QString kSection = QStringLiteral("Preferences");
const QString kNone = QStringLiteral("None");
constexpr int kPreferencesHelpTopic = 502;
constexpr QSize kCardPreview(80, 125);
constexpr int kPreviewMargin = 5;
constexpr QSize kBackgroundPreview(160, 120);

TProfile Key(const QString& entry) { return TProfile(kSection, entry); }

// An integer key read through TProfile::Value, as every game reads its
// options: text that is no number reads 0, or 1 when it reads as a true
// boolean. Nothing when the key is missing or the number is out of range.
std::optional<int> ReadIndex(const QString& entry, int low, int high) {
    const TProfile key = Key(entry);
    if (key.Text() == kNone) return std::nullopt;
    const int value = key.Value();
    if (value < low || value > high) return std::nullopt;
    return value;
}

// A boolean key read through TProfile::State: True, Yes and 1 (any case) read
// true, any other text false. Only a missing key gives the fallback.
bool ReadFlag(const QString& entry, bool fallback) {
    const TProfile key = Key(entry);
    return key.Text() == kNone ? fallback : key.State();
}

std::optional<quint32> ReadColor(const QString& entry) { return StringToColor(Key(entry).Text()); }

// Paints the corner pixel and its two neighbours along the edges in each
// corner, so that a card-sized preview shows rounded corners.
void PaintCorners(QImage* image, const QColor& color) {
    const int w = image->width(), h = image->height();
    if (w < 2 || h < 2) return;
    const QPoint corners[][3] = {
        {{0, 0}, {1, 0}, {0, 1}},
        {{w - 1, 0}, {w - 2, 0}, {w - 1, 1}},
        {{0, h - 1}, {1, h - 1}, {0, h - 2}},
        {{w - 1, h - 1}, {w - 2, h - 1}, {w - 1, h - 2}},
    };
    for (const auto& corner : corners)
        for (const QPoint& p : corner) image->setPixelColor(p, color);
}

// A blank card: the frame picture when the resources carry it.
QImage BlankCard() {
    QImage card = ResourceImage(u"BORDER");
    if (card.isNull() || card.size() != kCardPreview) {
        card = QImage(kCardPreview, QImage::Format_RGB32);
        card.fill(QColor(255, 251, 240));
        QPainter painter(&card);
        painter.setPen(QColor(64, 32, 0));
        painter.drawRect(card.rect().adjusted(0, 0, -1, -1));
    }
    return card.convertToFormat(QImage::Format_RGB32);
}
} // namespace

TPreferences& Preferences() {
    static TPreferences standby;
    return theDialog ? theDialog->Values : standby;
}

TPreferencesDlg* PreferencesDlg() { return theDialog; }

// ---------------------------------------------------------------------------

TColorSwatch::TColorSwatch(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void TColorSwatch::SetColor(quint32 color) {
    color_ = color;
    update();
}

QSize TColorSwatch::sizeHint() const { return {57, 41}; }

void TColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.setBrush(ToQColor(color_));
    painter.drawRect(outer);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(outer.adjusted(2, 2, -2, -2));
    }
}

// ---------------------------------------------------------------------------

TPreferencesDlg::TPreferencesDlg(QWidget* parent, int screenWidth) : QDialog(parent) {
    theDialog = this;
    setObjectName(QStringLiteral("PreferencesDlg"));
    setWindowTitle(tr("Quillane Preferences"));
    BuildForm();
    FormCreate(screenWidth);
}

TPreferencesDlg::~TPreferencesDlg() {
    if (theDialog == this) theDialog = nullptr;
}

void TPreferencesDlg::BuildForm() {
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->addTab(BuildCardBackPage(), tr("Card Back"));
    PageControl->addTab(BuildCardSizePage(), tr("Card Size"));
    PageControl->addTab(BuildBackgroundPage(), tr("Game Background"));
    PageControl->addTab(BuildOtherPage(), tr("Other"));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* help = new QPushButton(tr("Help"), this);
    help->setObjectName(QStringLiteral("HelpButton"));
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, &TPreferencesDlg::HelpClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TPreferencesDlg::BuildCardBackPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    BackGroup = new QButtonGroup(page);
    for (int i = 0; i < 4; ++i) {
        BackImages[i] = new QLabel(page);
        BackImages[i]->setObjectName(QStringLiteral("CardBackImage%1").arg(i + 1));
        BackImages[i]->setFixedSize(kCardPreview);
        BackRadios[i] = new QRadioButton(page);
        BackRadios[i]->setObjectName(QStringLiteral("CardBackRadio%1").arg(i + 1));
        // The pictures say which back it is; a screen reader needs words.
        BackRadios[i]->setAccessibleName(i < 3 ? tr("Card back %1").arg(i + 1) : tr("Custom card back"));
        BackGroup->addButton(BackRadios[i], i);
        grid->addWidget(BackImages[i], 0, i, Qt::AlignHCenter);
        grid->addWidget(BackRadios[i], 1, i, Qt::AlignHCenter);
    }
    BackRadios[3]->setEnabled(false);
    auto* label = new QLabel(tr("Browse to select a Custom Image"), page);
    auto* browse = new QPushButton(tr("Browse..."), page);
    browse->setObjectName(QStringLiteral("BrowseCardBackButton"));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &TPreferencesDlg::BrowseCardBackClick);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(label);
    row->addWidget(browse);
    grid->addLayout(row, 2, 0, 1, 4);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget* TPreferencesDlg::BuildCardSizePage() {
    auto* page = new QWidget;
    auto* group = new QGroupBox(page);
    group->setObjectName(QStringLiteral("CardSizeGroup"));
    SmallCardsRadio = new QRadioButton(tr("Use small cards (all games fit on 800x600 display)"), group);
    SmallCardsRadio->setObjectName(QStringLiteral("SmallCardsRadio"));
    LargeCardsRadio = new QRadioButton(tr("Use large cards (requires a 1024x768 or larger display)"), group);
    LargeCardsRadio->setObjectName(QStringLiteral("LargeCardsRadio"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(SmallCardsRadio);
    groupLayout->addWidget(LargeCardsRadio);
    auto* note = new QLabel(
        tr("This preference does not take effect until the current\r\ngame window is closed."), page);
    note->setObjectName(QStringLiteral("CardSizeNote"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addWidget(note);
    layout->addStretch();
    return page;
}

QWidget* TPreferencesDlg::BuildBackgroundPage() {
    auto* page = new QWidget;

    auto* typeBox = new QGroupBox(tr(" Select Type "), page);
    typeBox->setObjectName(QStringLiteral("BackgroundTypeGroup"));
    TypeGroup = new QButtonGroup(typeBox);
    auto* typeLayout = new QVBoxLayout(typeBox);
    const QString typeNames[] = {tr("Solid Color"), tr("Gradient Colors"),
                                 tr("Tiled Image")};
    const QString typeObjects[] = {QStringLiteral("SolidColorRadio"), QStringLiteral("GradientRadio"),
                                   QStringLiteral("TiledImageRadio")};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(typeNames[i], typeBox);
        radio->setObjectName(typeObjects[i]);
        TypeGroup->addButton(radio, i);
        typeLayout->addWidget(radio);
    }
    typeLayout->addStretch();
    connect(TypeGroup, &QButtonGroup::idClicked, this, &TPreferencesDlg::BackgroundTypeClick);

    BackgroundPages = new QStackedWidget(page);
    BackgroundPages->setObjectName(QStringLiteral("BackgroundPages"));

    const auto swatch = [this](const QString& name, quint32* field) {
        auto* s = new TColorSwatch;
        s->setObjectName(name);
        // A colour button has no words of its own: a screen reader gets these.
        const QHash<QString, QString> spoken = {{QStringLiteral("SolidColorSwatch"), tr("Solid color")},
                                                {QStringLiteral("StartColorSwatch"), tr("Starting color")},
                                                {QStringLiteral("EndColorSwatch"), tr("Ending color")}};
        s->setAccessibleName(spoken.value(name));
        s->setFixedSize(s->sizeHint());
        connect(s, &QAbstractButton::clicked, this, [this, s, field] { ChooseColor(s, field); });
        return s;
    };

    auto* solid = new QWidget;
    SolidColorSwatch = swatch(QStringLiteral("SolidColorSwatch"), &Values.BackgroundColor);
    auto* solidLayout = new QGridLayout(solid);
    solidLayout->addWidget(new QLabel(tr("Select Solid Color")), 0, 0);
    solidLayout->addWidget(SolidColorSwatch, 0, 1);
    solidLayout->setRowStretch(1, 1);
    solidLayout->setColumnStretch(2, 1);
    BackgroundPages->addWidget(solid);

    auto* gradient = new QWidget;
    StartColorSwatch = swatch(QStringLiteral("StartColorSwatch"), &Values.GradientStartColor);
    EndColorSwatch = swatch(QStringLiteral("EndColorSwatch"), &Values.GradientEndColor);
    auto* direction = new QGroupBox(tr(" Direction "));
    direction->setObjectName(QStringLiteral("DirectionGroup"));
    DirectionGroup = new QButtonGroup(direction);
    auto* directionLayout = new QVBoxLayout(direction);
    const QString directionNames[] = {tr("Vertical Gradient"), tr("Horizontal Gradient")};
    const QString directionObjects[] = {QStringLiteral("VerticalRadio"), QStringLiteral("HorizontalRadio")};
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(directionNames[i], direction);
        radio->setObjectName(directionObjects[i]);
        DirectionGroup->addButton(radio, i);
        directionLayout->addWidget(radio);
    }
    connect(DirectionGroup, &QButtonGroup::idClicked, this, [this](int id) { Values.GradientIndex = id; });
    auto* gradientLayout = new QGridLayout(gradient);
    gradientLayout->addWidget(new QLabel(tr("Select Starting Color")), 0, 0);
    gradientLayout->addWidget(StartColorSwatch, 0, 1);
    gradientLayout->addWidget(new QLabel(tr("Select Ending Color")), 1, 0);
    gradientLayout->addWidget(EndColorSwatch, 1, 1);
    gradientLayout->addWidget(direction, 2, 0, 1, 2);
    gradientLayout->setRowStretch(3, 1);
    gradientLayout->setColumnStretch(2, 1);
    BackgroundPages->addWidget(gradient);

    auto* picture = new QWidget;
    BackgroundPreview = new QLabel;
    BackgroundPreview->setObjectName(QStringLiteral("BackgroundPreview"));
    BackgroundPreview->setFixedSize(kBackgroundPreview);
    BackgroundPreview->setAlignment(Qt::AlignCenter);
    BackgroundPreview->setFrameShape(QFrame::StyledPanel);
    BackgroundPreview->setFrameShadow(QFrame::Sunken);
    auto* browse = new QPushButton(tr("Browse..."));
    browse->setObjectName(QStringLiteral("BrowseBackgroundButton"));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &TPreferencesDlg::BrowseBackgroundClick);
    auto* pictureLayout = new QGridLayout(picture);
    pictureLayout->addWidget(BackgroundPreview, 0, 0, 1, 2, Qt::AlignLeft);
    pictureLayout->addWidget(new QLabel(tr("Browse to select an Image")), 1, 0);
    pictureLayout->addWidget(browse, 1, 1);
    pictureLayout->setRowStretch(2, 1);
    pictureLayout->setColumnStretch(2, 1);
    BackgroundPages->addWidget(picture);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(typeBox);
    layout->addWidget(BackgroundPages, 1);
    return page;
}

QWidget* TPreferencesDlg::BuildOtherPage() {
    auto* page = new QWidget;
    SoundCheckBox = new QCheckBox(tr("Enable Sounds"), page);
    SoundCheckBox->setObjectName(QStringLiteral("SoundCheckBox"));
    AnimationCheckBox = new QCheckBox(tr("Perform Animation on Deals"), page);
    AnimationCheckBox->setObjectName(QStringLiteral("AnimationCheckBox"));
    TrayCheckBox = new QCheckBox(tr("Minimize to Tray in Taskbar"), page);
    TrayCheckBox->setObjectName(QStringLiteral("TrayCheckBox"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(SoundCheckBox);
    layout->addWidget(AnimationCheckBox);
    layout->addWidget(TrayCheckBox);
    layout->addStretch();
    return page;
}

// ---------------------------------------------------------------------------
// Reading at creation, key by key, each applied as it is read.

void TPreferencesDlg::FormCreate(int screenWidth) {
    InitCardImagery(); // so that setting the card size below swaps the loaded pictures

    // BackIndex: a custom back (3) is applied once its picture is built below.
    Values.BackIndex = ReadIndex(QStringLiteral("BackIndex"), 0, 3).value_or(0);
    TCard::SetBackIndex(Values.BackIndex == 3 ? 0 : Values.BackIndex);

    // A stored card size is taken (text that is no number reads 0); a missing
    // one, or a number that is no card size, comes from the screen width and
    // is written back.
    if (const auto size = ReadIndex(QStringLiteral("CardSize"), 0, 1)) {
        Values.CardSize = *size;
    } else {
        if (screenWidth <= 0) {
            const QScreen* screen = QGuiApplication::primaryScreen();
            screenWidth = screen ? screen->geometry().width() : 1024;
        }
        Values.CardSize = screenWidth <= 800 ? 0 : 1;
        Key(QStringLiteral("CardSize")).SetValue(Values.CardSize);
    }
    openedCardSize_ = Values.CardSize;
    TCard::SetCardSize(Values.CardSize == 0 ? FS_SMALL : FS_LARGE);

    Values.BackgroundIndex = ReadIndex(QStringLiteral("BackgroundIndex"), 0, 2).value_or(0);
    Values.GradientIndex = ReadIndex(QStringLiteral("GradientIndex"), 0, 1).value_or(0);

    Values.BackgroundColor = ReadColor(QStringLiteral("BackgroundColor")).value_or(16384);
    Values.GradientStartColor = ReadColor(QStringLiteral("GradientStartColor")).value_or(16384);
    Values.GradientEndColor = ReadColor(QStringLiteral("GradientEndColor")).value_or(0);

    Values.DoAnimation = ReadFlag(QStringLiteral("DoAnimation"), true);
    Values.DoSound = ReadFlag(QStringLiteral("DoSound"), true);
    Values.MinimizeToTray = ReadFlag(QStringLiteral("MinimizeToTray"), false);
    SwitchTray(Values.MinimizeToTray);

    Values.CustomColors.clear();
    const QString customColors = Key(QStringLiteral("CustomColors")).Text();
    if (customColors != kNone) StringToCustomColors(customColors, &Values.CustomColors);

    Values.CustomImage = Key(QStringLiteral("CustomImage")).Text();
    const bool customBuilt =
        Values.CustomImage != kNone && BuildCustomBack(Values.CustomImage, Values.BackIndex == 3, true);
    if (Values.BackIndex == 3 && !customBuilt) {
        // No picture to show as back 3 (key missing, damaged, or the picture
        // gone): fall back to the first back and keep the file consistent.
        Values.BackIndex = 0;
        TCard::SetBackIndex(0);
        Key(QStringLiteral("BackIndex")).SetValue(0);
    }

    Values.BackgroundImage = Key(QStringLiteral("BackgroundImage")).Text();
    Values.BackgroundBitmap = QImage();
    if (Values.BackgroundImage != kNone) LoadBackgroundImage(Values.BackgroundImage);

    UpdateControls();
    if (TSoundManager* sound = SoundManager()) sound->PlayOpen();
}

void TPreferencesDlg::UpdateControls() {
    BackRadios[Values.BackIndex]->setChecked(true);
    (Values.CardSize == 0 ? SmallCardsRadio : LargeCardsRadio)->setChecked(true);
    TypeGroup->button(Values.BackgroundIndex)->setChecked(true);
    BackgroundPages->setCurrentIndex(Values.BackgroundIndex);
    DirectionGroup->button(Values.GradientIndex)->setChecked(true);
    SolidColorSwatch->SetColor(Values.BackgroundColor);
    StartColorSwatch->SetColor(Values.GradientStartColor);
    EndColorSwatch->SetColor(Values.GradientEndColor);
    AnimationCheckBox->setChecked(Values.DoAnimation);
    SoundCheckBox->setChecked(Values.DoSound);
    TrayCheckBox->setChecked(Values.MinimizeToTray);
}

void TPreferencesDlg::SwitchTray(bool on) {
    if (TrayHandler) TrayHandler(on);
}

// The back previews are made when the dialog is first shown: the program
// starts with the dialog hidden and may never show it.
void TPreferencesDlg::EnsureBackPreviews() {
    if (previewsMade_) return;
    previewsMade_ = true;
    const QColor face = palette().color(QPalette::Button);
    for (int i = 0; i < 3; ++i) {
        QImage back = ResourceImage(QStringLiteral("FSCARD%1").arg(153 + i));
        if (back.isNull()) {
            back = QImage(kCardPreview, QImage::Format_RGB32);
            back.fill(Qt::gray);
        }
        back = back.convertToFormat(QImage::Format_RGB32).scaled(kCardPreview);
        PaintCorners(&back, face);
        BackImages[i]->setPixmap(QPixmap::fromImage(std::move(back)));
    }
    // A custom back built before the first showing has its preview already.
    if (customPreview_.isNull()) {
        customPreview_ = BlankCard();
        PaintCorners(&customPreview_, face);
        BackImages[3]->setPixmap(QPixmap::fromImage(customPreview_));
    }
}

void TPreferencesDlg::showEvent(QShowEvent* event) {
    EnsureBackPreviews();
    // Other code may have changed the values since the last showing.
    Values.BackIndex = std::clamp(Values.BackIndex, 0, BackRadios[3]->isEnabled() ? 3 : 2);
    Values.BackgroundIndex = std::clamp(Values.BackgroundIndex, 0, 2);
    Values.GradientIndex = std::clamp(Values.GradientIndex, 0, 1);
    UpdateControls();
    QDialog::showEvent(event);
}

// ---------------------------------------------------------------------------
// Closing: the controls become the values, which are applied and written.

void TPreferencesDlg::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TPreferencesDlg::FormClose() {
    Values.BackIndex = std::max(BackGroup->checkedId(), 0);
    TCard::SetBackIndex(Values.BackIndex);

    Values.DoAnimation = AnimationCheckBox->isChecked();
    Values.DoSound = SoundCheckBox->isChecked();
    Values.MinimizeToTray = TrayCheckBox->isChecked();
    SwitchTray(Values.MinimizeToTray);

    Values.CardSize = LargeCardsRadio->isChecked() ? 1 : 0;

    Key(QStringLiteral("BackgroundColor")).SetText(ColorToString(Values.BackgroundColor));
    Key(QStringLiteral("BackIndex")).SetValue(Values.BackIndex);
    Key(QStringLiteral("DoAnimation")).SetState(Values.DoAnimation);
    Key(QStringLiteral("DoSound")).SetState(Values.DoSound);
    Key(QStringLiteral("MinimizeToTray")).SetState(Values.MinimizeToTray);
    Key(QStringLiteral("CardSize")).SetValue(Values.CardSize);
    Key(QStringLiteral("BackgroundIndex")).SetValue(Values.BackgroundIndex);
    Key(QStringLiteral("GradientStartColor")).SetText(ColorToString(Values.GradientStartColor));
    Key(QStringLiteral("GradientEndColor")).SetText(ColorToString(Values.GradientEndColor));
    Key(QStringLiteral("GradientIndex")).SetValue(Values.GradientIndex);

    if (Values.CardSize != openedCardSize_) Values.CardSizeChanged = true;
}

// ---------------------------------------------------------------------------
// Pictures.

void TPreferencesDlg::DropCustomBack() {
    BackRadios[3]->setEnabled(false);
    Values.CustomImage = kNone;
    Key(QStringLiteral("CustomImage")).SetText(kNone);
    if (BackRadios[3]->isChecked() || Values.BackIndex == 3) {
        BackRadios[0]->setChecked(true);
        Values.BackIndex = 0;
        TCard::SetBackIndex(0);
        Key(QStringLiteral("BackIndex")).SetValue(0);
    }
}

// The path is taken by value: callers pass the stored key, which a failure resets.
bool TPreferencesDlg::BuildCustomBack(QString path, bool select, bool atStartup) {
    const TPictureFile picture = LoadPictureFile(path);
    switch (picture.Status) {
    case TPictureStatus::Missing:
        DropCustomBack();
        Dialogs().Warning(this, tr("The custom card back image %1 was not found.").arg(path));
        return false;
    case TPictureStatus::Gif:
        if (atStartup)
            DropCustomBack();
        else
            Dialogs().Error(this, tr("GIF images are not supported."));
        return false;
    case TPictureStatus::Unreadable:
        Dialogs().Error(this, tr("The picture %1 could not be read.").arg(path));
        return false;
    case TPictureStatus::TooLarge:
        Dialogs().Error(this, PictureTooLargeMessage(path));
        return false;
    case TPictureStatus::Loaded:
        break;
    }

    QImage preview = BlankCard();
    {
        QPainter painter(&preview);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(preview.rect().adjusted(kPreviewMargin, kPreviewMargin, -kPreviewMargin, -kPreviewMargin),
                          picture.Image);
    }
    PaintCorners(&preview, palette().color(QPalette::Button));
    customPreview_ = preview;
    BackImages[3]->setPixmap(QPixmap::fromImage(preview));

    TCard::SetCustomBack(picture.Image);

    Values.CustomImage = path;
    Key(QStringLiteral("CustomImage")).SetText(path);
    BackRadios[3]->setEnabled(true);
    if (select) {
        BackRadios[3]->setChecked(true);
        Values.BackIndex = 3;
        TCard::SetBackIndex(3);
    }
    return true;
}

void TPreferencesDlg::RebuildCustomBack() {
    if (!Values.CardSizeChanged || Values.CustomImage == kNone) return;
    BuildCustomBack(Values.CustomImage, Values.BackIndex == 3, false);
}

void TPreferencesDlg::LoadBackgroundImage(QString path) {
    const TPictureFile picture = LoadPictureFile(path);
    switch (picture.Status) {
    case TPictureStatus::Missing:
        Values.BackgroundImage = kNone;
        Values.BackgroundBitmap = QImage();
        Key(QStringLiteral("BackgroundImage")).SetText(kNone);
        Values.BackgroundIndex = 0;
        TypeGroup->button(0)->setChecked(true);
        BackgroundPages->setCurrentIndex(0);
        Dialogs().Warning(this, tr("The game background image %1 was not found.").arg(path));
        return;
    case TPictureStatus::Gif:
        Dialogs().Error(this, tr("GIF images are not supported."));
        return;
    case TPictureStatus::Unreadable:
        Dialogs().Error(this, tr("The picture %1 could not be read.").arg(path));
        return;
    case TPictureStatus::TooLarge:
        Dialogs().Error(this, PictureTooLargeMessage(path));
        return;
    case TPictureStatus::Loaded:
        break;
    }
    Values.BackgroundBitmap = picture.Image;
    BackgroundPreview->setPixmap(QPixmap::fromImage(picture.Image));
    Values.BackgroundImage = path;
    Key(QStringLiteral("BackgroundImage")).SetText(path);
}

// ---------------------------------------------------------------------------
// Buttons.

namespace {
TOpenFileRequest PictureRequest(const QString& current) {
    TOpenFileRequest request;
    request.Filter = QCoreApplication::translate("TPreferencesDlg", PictureFilter.toUtf8().constData());
    request.MustExist = true;
    const QFileInfo info(current);
    if (current != kNone && info.isFile()) {
        request.InitialDir = info.absolutePath();
        request.FileName = info.fileName();
    }
    return request;
}
} // namespace

void TPreferencesDlg::BrowseCardBackClick() {
    if (const auto path = Dialogs().OpenFile(this, PictureRequest(Values.CustomImage)))
        BuildCustomBack(*path, true, false);
}

void TPreferencesDlg::BrowseBackgroundClick() {
    if (const auto path = Dialogs().OpenFile(this, PictureRequest(Values.BackgroundImage)))
        LoadBackgroundImage(*path);
}

void TPreferencesDlg::ChooseColor(TColorSwatch* swatch, quint32* field) {
    const auto color = Dialogs().ChooseColor(this, swatch->Color(), &Values.CustomColors);
    if (!color) return;
    swatch->SetColor(*color);
    *field = *color;
    Key(QStringLiteral("CustomColors")).SetText(CustomColorsToString(Values.CustomColors));
}

void TPreferencesDlg::BackgroundTypeClick(int index) {
    Values.BackgroundIndex = index;
    BackgroundPages->setCurrentIndex(index);
}

void TPreferencesDlg::HelpClick() { Dialogs().ShowHelp(this, kPreferencesHelpTopic); }

void TPreferencesDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        HelpClick();
        return;
    }
    QDialog::keyPressEvent(event);
}
