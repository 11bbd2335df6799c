#include "CardDrag.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

TDragLayer::TDragLayer(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("DragLayer"));
    // Mouse events go through to the views and the window beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(window->rect());
    window->installEventFilter(this);
    show();
}

TDragLayer* TDragLayer::Find(QWidget* window) {
    if (window == nullptr) return nullptr;
    return window->findChild<TDragLayer*>(QString(), Qt::FindDirectChildrenOnly);
}

TDragLayer* TDragLayer::Of(QWidget* window) {
    if (window == nullptr) return nullptr;
    if (TDragLayer* layer = Find(window)) return layer;
    return new TDragLayer(window);
}

QRect TDragLayer::ImageRect() const {
    if (Image.isNull()) return {};
    return QRect(ImagePos, Image.deviceIndependentSize().toSize());
}

void TDragLayer::KeepOnTop() {
    const QObjectList& siblings = parentWidget()->children();
    if (!siblings.isEmpty() && siblings.last() != this) raise();
}

void TDragLayer::ShowImage(const QPixmap& image, QPoint topLeft) {
    const QRect old = ImageRect();
    const bool same = !Image.isNull() && image.cacheKey() == Image.cacheKey();
    if (!same) {
        KeepOnTop();
        Image = image;
    }
    ImagePos = topLeft;
    const QRect now = ImageRect();
    if (old == now && same) return;
    update(QRegion(old) | QRegion(now));
}

void TDragLayer::HideImage() {
    if (Image.isNull()) return;
    const QRect old = ImageRect();
    Image = QPixmap();
    update(old);
}

void TDragLayer::paintEvent(QPaintEvent* event) {
    if (Image.isNull() || !event->rect().intersects(ImageRect())) return;
    QPainter canvas(this);
    canvas.drawPixmap(ImagePos, Image);
}

bool TDragLayer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return false;
}
