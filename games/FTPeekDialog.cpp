#include "FTPeekDialog.h"

#include "CardPileView.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <cmath>

TFTPeekDlg::TFTPeekDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("TFTPeekDlg"));
    setWindowTitle(tr("Peek"));
    setModal(false);
    setFixedSize(114, 188);

    Label1 = new QLabel(tr("Next card in stock"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(14, 8);
    // The window is small: a wide desktop font shrinks until the line fits.
    QFont font = Label1->font();
    while (QFontMetrics(font).horizontalAdvance(Label1->text()) > width() - 2 * Label1->x() + 8 &&
           font.pointSizeF() > 6.0)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    Label1->setFont(font);
    Label1->adjustSize();

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 24, 80, 125);
    Image1->setAlignment(Qt::AlignCenter);

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(23, 156, 66, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(1); });

    // Opens in the middle of the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TFTPeekDlg::SetPeekCard(TCard* card) {
    PeekCard = card;
    Refresh();
}

void TFTPeekDlg::Refresh() {
    if (PeekCard == nullptr) {
        Image1->clear();
        return;
    }
    QPixmap face;
    PeekCard->GetCardBitmap(face);
    CutCorners(face, palette().color(QPalette::Button));
    // The label keeps its own copy: nothing refers to the card after this.
    Image1->setPixmap(face);
}

void TFTPeekDlg::CutCorners(QPixmap& picture, const QColor& colour) {
    if (picture.isNull()) return;
    const qreal ratio = picture.devicePixelRatio();
    const int scale = qMax(1, int(std::lround(ratio)));
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1.0); // painted in device pixels
    const int w = image.width() / scale, h = image.height() / scale;
    if (w < 2 || h < 2) return;
    const QPoint corners[] = {{0, 0},         {1, 0},         {0, 1},         {w - 1, 0},
                              {w - 2, 0},     {w - 1, 1},     {w - 1, h - 1}, {w - 2, h - 1},
                              {w - 1, h - 2}, {0, h - 1},     {1, h - 1},     {0, h - 2}};
    {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QPoint& p : corners) painter.fillRect(p.x() * scale, p.y() * scale, scale, scale, colour);
    }
    picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(ratio);
}

void TFTPeekDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}
