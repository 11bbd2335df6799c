#include "HintFrame.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace {
// Three bands: dark, bright, dark, so the frame shows on any table and card.
constexpr int kBand = 2; // the bright band is one more
const QColor kDark(20, 20, 20);
const QColor kBright(255, 214, 0);
} // namespace

THintFrame::THintFrame(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("HintFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &THintFrame::Clear);
    hide();
}

void THintFrame::ShowRects(const QVector<QRect>& rects, int ms) {
    rects_ = rects;
    setGeometry(parentWidget()->rect());
    raise();
    show();
    update();
    timer_.start(ms);
    qApp->installEventFilter(this);
}

void THintFrame::Clear() {
    timer_.stop();
    qApp->removeEventFilter(this);
    rects_.clear();
    hide();
}

bool THintFrame::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        Clear();
        break;
    default:
        break;
    }
    return false;
}

void THintFrame::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    // A band `w` wide along the inside of `r`, in whole logical pixels so it
    // stays sharp at any scale.
    auto band = [&canvas](const QRect& r, int w, const QColor& c) {
        canvas.fillRect(r.x(), r.y(), r.width(), w, c);
        canvas.fillRect(r.x(), r.bottom() - w + 1, r.width(), w, c);
        canvas.fillRect(r.x(), r.y() + w, w, r.height() - 2 * w, c);
        canvas.fillRect(r.right() - w + 1, r.y() + w, w, r.height() - 2 * w, c);
    };
    for (const QRect& r : rects_) {
        const QRect outer = r.adjusted(-4, -4, 4, 4);
        band(outer, 1, kDark);
        band(outer.adjusted(1, 1, -1, -1), kBand + 1, kBright);
        band(outer.adjusted(kBand + 2, kBand + 2, -kBand - 2, -kBand - 2), 1, kDark);
    }
}
