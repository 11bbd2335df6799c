#include "TableMarks.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace {
// Each frame is bands of whole logical pixels, dark on the outside and the
// inside with a bright band between, so it stays sharp at any scale and
// shows on every table colour and on the cards.
const QColor kDark(20, 20, 20);
const QColor kHint(255, 214, 0);
const QColor kFocus(255, 255, 255);
const QColor kPicked(64, 200, 255);

void Band(QPainter& canvas, const QRect& r, int w, const QColor& c) {
    canvas.fillRect(r.x(), r.y(), r.width(), w, c);
    canvas.fillRect(r.x(), r.bottom() - w + 1, r.width(), w, c);
    canvas.fillRect(r.x(), r.y() + w, w, r.height() - 2 * w, c);
    canvas.fillRect(r.right() - w + 1, r.y() + w, w, r.height() - 2 * w, c);
}

// A frame of `width` bright pixels, `gap` pixels outside `r`.
void Frame(QPainter& canvas, const QRect& r, int gap, int width, const QColor& bright) {
    const QRect outer = r.adjusted(-gap - width - 1, -gap - width - 1, gap + width + 1, gap + width + 1);
    Band(canvas, outer, 1, kDark);
    Band(canvas, outer.adjusted(1, 1, -1, -1), width, bright);
    Band(canvas, outer.adjusted(width + 1, width + 1, -width - 1, -width - 1), 1, kDark);
}
} // namespace

TTableMarks* TTableMarks::Of(QWidget* window) {
    if (auto* marks = window->findChild<TTableMarks*>(QString(), Qt::FindDirectChildrenOnly)) return marks;
    return new TTableMarks(window);
}

TTableMarks::TTableMarks(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("TableMarks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &TTableMarks::ClearHint);
    hide();
}

void TTableMarks::Refresh() {
    const bool any = !hint_.isEmpty() || !focus_.isEmpty() || !picked_.isEmpty();
    if (any) {
        setGeometry(parentWidget()->rect());
        raise();
        show();
        update();
    } else {
        hide();
    }
}

void TTableMarks::ShowHint(const QVector<QRect>& rects, int ms) {
    hint_ = rects;
    Refresh();
    timer_.start(ms);
    qApp->installEventFilter(this);
}

void TTableMarks::ClearHint() {
    timer_.stop();
    qApp->removeEventFilter(this);
    if (hint_.isEmpty()) return;
    hint_.clear();
    Refresh();
}

void TTableMarks::SetFocusRect(const QRect& rect) {
    if (rect == focus_) return;
    focus_ = rect;
    Refresh();
}

void TTableMarks::SetPickedRect(const QRect& rect) {
    if (rect == picked_) return;
    picked_ = rect;
    Refresh();
}

bool TTableMarks::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        ClearHint();
        break;
    default:
        break;
    }
    return false;
}

void TTableMarks::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    if (!picked_.isEmpty()) Frame(canvas, picked_, 1, 3, kPicked);
    if (!focus_.isEmpty()) Frame(canvas, focus_, picked_ == focus_ ? 7 : 3, 3, kFocus);
    for (const QRect& r : hint_) Frame(canvas, r, 1, 3, kHint);
}
