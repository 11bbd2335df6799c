#include "WinWindow.h"

#include "Fonts.h"
#include "Resources.h"
#include "SoundManager.h"

#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {
TWinForm* theWinForm = nullptr;

constexpr QSize kClientSize(376, 192);
constexpr QSize kClipSize(376, 154);
constexpr int kFrameCount = 10;
constexpr int kFrameMs = 200; // five frames a second

// Used only when the program's animation cannot be read: ten plain frames.
QList<QImage> FallbackFrames() {
    QList<QImage> frames;
    for (int i = 0; i < kFrameCount; ++i) {
        QImage frame(kClipSize, QImage::Format_RGB32);
        frame.fill(QColor(0, 64, 0));
        QPainter painter(&frame);
        painter.setPen(QColor(255, 255, 255 - 20 * i));
        QFont font = painter.font();
        font.setPixelSize(28 + i);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(frame.rect(), Qt::AlignCenter, TWinForm::tr("You've Won!"));
        frames << frame;
    }
    return frames;
}
} // namespace

TWinForm* WinForm() { return theWinForm; }

TWinForm::TWinForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    theWinForm = this;
    setObjectName(QStringLiteral("WinForm"));
    setWindowTitle(TWinForm::tr("You've Won!"));
    setModal(true);
    setFixedSize(kClientSize);
    setFont(ArialMetricsFont(12));

    Animate1 = new QLabel(this);
    Animate1->setObjectName(QStringLiteral("Animate1"));
    Animate1->setGeometry(QRect(QPoint(0, 0), kClipSize));

    Button1 = new QPushButton(tr("OK, Great!"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(144, 162, 97, 25);
    Button1->setDefault(true);
    Button1->setFocus();
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    frames_ = WinClipFrames();
    if (frames_.size() != kFrameCount) frames_ = FallbackFrames();
    ShowFrame();
    frameTimer_ = new QTimer(this);
    frameTimer_->setInterval(kFrameMs);
    connect(frameTimer_, &QTimer::timeout, this, &TWinForm::NextFrame);
    frameTimer_->start();

    if (TSoundManager* sound = SoundManager()) sound->PlayWin();
}

TWinForm::~TWinForm() {
    if (theWinForm == this) theWinForm = nullptr;
}

void TWinForm::ShowFrame() { Animate1->setPixmap(QPixmap::fromImage(frames_.at(frame_))); }

void TWinForm::NextFrame() {
    frame_ = (frame_ + 1) % int(frames_.size());
    ShowFrame();
}

void TWinForm::showEvent(QShowEvent* event) {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

void TWinForm::keyPressEvent(QKeyEvent* event) {
    // The window has no close box; Escape must not dismiss it either.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TWinForm::done(int result) {
    frameTimer_->stop();
    if (theWinForm == this) theWinForm = nullptr;
    QDialog::done(result);
}
