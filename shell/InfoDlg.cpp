#include "InfoDlg.h"

#include "Dialogs.h"
#include "Resources.h"
#include "SoundManager.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

const QUrl InfoWebAddress(QStringLiteral("https://quillane.example.org/"));
const QUrl InfoMailAddress(QStringLiteral("mailto:quillane@example.org"));

namespace {
TInfoBox* theInfoBox = nullptr;
int jesterPhase = 0; // survives the window: the next about box swings on from here

constexpr int kSwingMs = 400;
constexpr QSize kJesterSize(68, 97);
constexpr int kTextWidth = 270;
const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);

QImage Jester(int number) {
    QImage image = ResourceImage(QStringLiteral("JESTER%1").arg(number));
    if (image.isNull()) {
        image = QImage(kJesterSize, QImage::Format_RGB32);
        image.fill(QColor(191, 191, 191));
    }
    return image;
}
} // namespace

TLinkLabel::TLinkLabel(const QString& text, QUrl url, QWidget* parent) : QLabel(text, parent), url_(std::move(url)) {
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    SetTextColor(kNavy);
}

void TLinkLabel::SetTextColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void TLinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) SetTextColor(kMaroon);
    event->accept();
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    SetTextColor(kNavy);
    if (rect().contains(event->position().toPoint())) Dialogs().OpenUrl(url_);
    event->accept();
}

// ---------------------------------------------------------------------------

TInfoBox* InfoBox() { return theInfoBox; }

TInfoBox* ShowInfoBox(QWidget* parent) {
    if (!theInfoBox) new TInfoBox(parent);
    theInfoBox->show();
    theInfoBox->raise();
    theInfoBox->activateWindow();
    return theInfoBox;
}

int TInfoBox::Phase() { return jesterPhase; }

TInfoBox::TInfoBox(QWidget* parent) : QDialog(parent) {
    theInfoBox = this;
    setObjectName(QStringLiteral("InfoBox"));
    setWindowTitle(tr("About Quillane!"));

    for (int i = 0; i < 3; ++i) jesters_[i] = Jester(i + 1);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(kJesterSize);
    Image1->setPixmap(QPixmap::fromImage(jesters_[1]));

    // The window takes the colour of the picture's background.
    QPalette p = palette();
    p.setColor(QPalette::Window, jesters_[1].pixelColor(0, 0));
    setPalette(p);
    setAutoFillBackground(true);

    auto* version = new QLineEdit(tr("Quillane Version 1.01"), this);
    version->setObjectName(QStringLiteral("VersionEdit"));
    version->setReadOnly(true);
    version->setFrame(false);

    auto* credits = new QLabel(
        tr("Twelve patience games for one player.\n\n"
           "The card faces use the public-domain (CC0) card designs of "
           "Adrian Kennard, as packaged in @letele/playing-cards.\n"
           "Backs, jester, animation and sounds were made for Quillane.\n\n"
           "Quillane is free software under the GNU General Public License, "
           "version 3 or later, and comes with no warranty."),
        this);
    credits->setObjectName(QStringLiteral("CreditsLabel"));
    credits->setWordWrap(true);

    auto* invite = new QLabel(tr("We would like to hear your comments and suggestions:"), this);
    invite->setObjectName(QStringLiteral("CommentsLabel"));
    invite->setWordWrap(true);

    auto* web = new TLinkLabel(InfoWebAddress.toString(), InfoWebAddress, this);
    web->setObjectName(QStringLiteral("WebLink"));
    auto* mail = new TLinkLabel(InfoMailAddress.path(), InfoMailAddress, this);
    mail->setObjectName(QStringLiteral("MailLink"));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(version);
    text->addWidget(credits);
    text->addSpacing(6);
    text->addWidget(invite);
    text->addWidget(web);
    text->addWidget(mail);
    auto* top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    for (QWidget* w : {static_cast<QWidget*>(version), static_cast<QWidget*>(credits), static_cast<QWidget*>(invite)})
        w->setFixedWidth(kTextWidth);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = new QTimer(this);
    Timer1->setInterval(kSwingMs);
    connect(Timer1, &QTimer::timeout, this, &TInfoBox::Timer1Timer);
    Timer1->start();

    if (TSoundManager* sound = SoundManager()) sound->PlayJester();
}

TInfoBox::~TInfoBox() {
    if (theInfoBox == this) theInfoBox = nullptr;
}

void TInfoBox::Timer1Timer() {
    static constexpr int kFrameOfPhase[4] = {2, 1, 0, 1}; // JESTER3, 2, 1, 2
    Image1->setPixmap(QPixmap::fromImage(jesters_[kFrameOfPhase[jesterPhase]]));
    jesterPhase = (jesterPhase + 1) % 4;
}

void TInfoBox::done(int result) {
    Timer1->stop();
    if (theInfoBox == this) theInfoBox = nullptr;
    QDialog::done(result);
    deleteLater();
}
