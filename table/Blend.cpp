#include "Blend.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <QtMath>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

namespace {

std::vector<TzBackground*>& Live() {
    static std::vector<TzBackground*> live;
    return live;
}

// 8 x 8 silver with white pixels where both x and y are odd.
const QImage& SteelPattern() {
    static const QImage pattern = [] {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(QColor(192, 192, 192));
        for (int y = 1; y < 8; y += 2)
            for (int x = 1; x < 8; x += 2) image.setPixel(x, y, qRgb(255, 255, 255));
        return image;
    }();
    return pattern;
}

} // namespace

TzBackground::TzBackground(QWidget* window) : QObject(window), Target(window) {
    ComputeComponents();
    Buffer = QImage(100, 100, QImage::Format_RGB32);
    Buffer.fill(Qt::black);
    Live().push_back(this);
    if (Target != nullptr) Target->installEventFilter(this);
}

TzBackground::~TzBackground() {
    auto& live = Live();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

int TzBackground::MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const long long product = static_cast<long long>(a) * b;
    long long quotient = product / c;
    const long long remainder = product % c;
    if (2 * std::llabs(remainder) >= std::llabs(static_cast<long long>(c)))
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    if (quotient > INT_MAX || quotient < INT_MIN) return -1;
    return static_cast<int>(quotient);
}

void TzBackground::SetBackType(TzBackType type) {
    if (type == Back) return;
    Back = type;
    Changed();
}

void TzBackground::SetFillType(gradType type) {
    Fill = type;
    Changed();
}

void TzBackground::SetColor(const QColor& color) {
    if (color.rgb() == StartColor.rgb()) return;
    StartColor = QColor(color.rgb());
    Changed();
}

void TzBackground::SetEndColor(const QColor& color) {
    if (color.rgb() == FinishColor.rgb()) return;
    FinishColor = QColor(color.rgb());
    Changed();
}

void TzBackground::SetBands(int bands) {
    if (bands == BandCount) return;
    BandCount = bands;
    Changed();
}

void TzBackground::SetBitMap(const QImage& picture) {
    if (!picture.isNull() && picture.cacheKey() == Picture.cacheKey()) return;
    Picture = picture;
    Changed();
}

void TzBackground::Changed() {
    ComputeComponents();
    Stale = true;
    if (Target != nullptr) Target->update();
}

void TzBackground::ComputeComponents() {
    StartRed = static_cast<std::int16_t>(StartColor.red());
    StartGreen = static_cast<std::int16_t>(StartColor.green());
    StartBlue = static_cast<std::int16_t>(StartColor.blue());
    DeltaRed = static_cast<std::int16_t>(FinishColor.red() - StartColor.red());
    DeltaGreen = static_cast<std::int16_t>(FinishColor.green() - StartColor.green());
    DeltaBlue = static_cast<std::int16_t>(FinishColor.blue() - StartColor.blue());
}

QColor TzBackground::BandColour(int step, int steps) const {
    const int red = StartRed + MulDiv(step, DeltaRed, steps);
    const int green = StartGreen + MulDiv(step, DeltaGreen, steps);
    const int blue = StartBlue + MulDiv(step, DeltaBlue, steps);
    return QColor(red & 0xFF, green & 0xFF, blue & 0xFF);
}

// Picture, straight gradients and the steel pattern cover the window; the
// plain type (and a picture type with no picture) leaves the window's own
// colour, which Qt has already filled.
bool TzBackground::PaintsWindow() const {
    return (Back == btBitmap && !Picture.isNull()) || Back == btBlend || Back == btSteel;
}

void TzBackground::PaintBackground(QPainter& canvas, int width, int height) const {
    PaintPart(canvas, width, height, QRect(0, 0, width, height));
}

// Paints the table of a width x height client, skipping the bands, rings and
// tiles that do not touch `part` (painting outside it is harmless).
void TzBackground::PaintPart(QPainter& canvas, int width, int height, const QRect& part) const {
    const QColor plain = Target != nullptr ? Target->palette().color(Target->backgroundRole()) : QColor(Qt::black);
    switch (Back) {
    case btBitmap:
        if (Picture.isNull())
            canvas.fillRect(part, plain);
        else
            PaintTiles(canvas, width, height, part);
        break;
    case btBlend:
        if (Fill == gCenter)
            PaintCenter(canvas, width, height, part);
        else
            PaintBands(canvas, width, height, part);
        break;
    case btSteel:
        canvas.fillRect(part, QBrush(SteelPattern()));
        break;
    default:
        canvas.fillRect(part, plain);
        break;
    }
}

void TzBackground::PaintTiles(QPainter& canvas, int width, int height, const QRect& part) const {
    const QSizeF tile = Picture.deviceIndependentSize();
    const int w = std::max(1, static_cast<int>(tile.width()));
    const int h = std::max(1, static_cast<int>(tile.height()));
    for (int row = 0; row <= height / h; ++row)
        for (int column = 0; column <= width / w; ++column)
            if (part.intersects(QRect(column * w, row * h, w, h))) canvas.drawImage(column * w, row * h, Picture);
}

void TzBackground::PaintBands(QPainter& canvas, int width, int height, const QRect& part) const {
    // With no bands there is no colour step to divide by: one band of Color.
    if (BandCount < 1) {
        canvas.fillRect(part, StartColor);
        return;
    }
    const int extent = Fill == gHorz ? width : height;
    const int first = Fill == gHorz ? part.left() : part.top();
    const int last = Fill == gHorz ? part.right() : part.bottom();
    for (int i = 0; i <= BandCount; ++i) {
        const int from = MulDiv(i, extent, BandCount + 1);
        const int to = MulDiv(i + 1, extent, BandCount + 1);
        if (to <= from || to <= first) continue;
        if (from > last) break;
        const QColor colour = BandColour(i, BandCount);
        if (Fill == gHorz)
            canvas.fillRect(from, 0, to - from, height, colour);
        else
            canvas.fillRect(0, from, width, to - from, colour);
    }
}

void TzBackground::PaintCenter(QPainter& canvas, int width, int height, const QRect& part) const {
    const int steps = std::min({BandCount, width / 2, height / 2});
    // A client under 2 pixels (or no bands) leaves no step to divide by.
    if (steps < 1) {
        canvas.fillRect(part, StartColor);
        return;
    }
    const int dx = std::max(1, (width / 2) / steps);
    const int dy = std::max(1, (height / 2) / steps);
    int left = 0, top = 0, right = width, bottom = height;
    // Rectangles here are (left, top) to (right, bottom), right and bottom exclusive.
    auto fill = [&canvas, &part](int l, int t, int r, int b, const QColor& c) {
        const QRect strip(l, t, r - l, b - t);
        if (r > l && b > t && part.intersects(strip)) canvas.fillRect(strip, c);
    };
    for (int i = 0; i <= steps; ++i) {
        const QColor colour = BandColour(i, steps);
        if (i == steps) {
            fill(left, top, right, bottom, colour);
            break;
        }
        fill(left, top, right, top + dy, colour);
        fill(left, top + dy, left + dx, bottom - dy, colour);
        fill(left, bottom - dy, right, bottom, colour);
        fill(right - dx, top + dy, right, bottom - dy, colour);
        left += dx;
        right -= dx;
        top += dy;
        bottom -= dy;
    }
}

// The buffer is painted when someone reads it after a change, at the
// window's device pixel ratio, so that views copy it without scaling.
void TzBackground::UpdateBuffer() const {
    if (Target == nullptr) return;
    const qreal ratio = Target->devicePixelRatioF();
    const QSize client = Target->size();
    const QSize pixels(qCeil(client.width() * ratio), qCeil(client.height() * ratio));
    if (!Stale && Buffer.size() == pixels && Buffer.devicePixelRatio() == ratio) return;
    if (Buffer.size() != pixels) Buffer = QImage(pixels.isEmpty() ? QSize(1, 1) : pixels, QImage::Format_RGB32);
    Buffer.setDevicePixelRatio(ratio);
    QPainter canvas(&Buffer);
    PaintBackground(canvas, client.width(), client.height());
    Stale = false;
}

const QImage* TzBackground::BackBuffer() const {
    UpdateBuffer();
    return &Buffer;
}

void TzBackground::Refresh(const QImage* backBuffer) {
    for (TzBackground* background : Live())
        if (&background->Buffer == backBuffer) {
            background->UpdateBuffer();
            return;
        }
}

bool TzBackground::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Target) return false;
    switch (event->type()) {
    case QEvent::Paint: {
        QPainter canvas(Target);
        if (PaintsWindow()) {
            const QRect exposed = static_cast<QPaintEvent*>(event)->rect();
            // At one device pixel per pixel the exposed part is copied from
            // the buffer; on a high-density screen solid bands and whole
            // tiles drawn straight onto the window cost less than a copy.
            if (Target->devicePixelRatioF() == 1.0) {
                UpdateBuffer();
                canvas.drawImage(exposed, Buffer, exposed);
            } else {
                PaintPart(canvas, Target->width(), Target->height(), exposed);
            }
        }
        if (OnPaint) OnPaint(canvas, this);
        break;
    }
    case QEvent::Resize:
        if (OnResize) OnResize(Target);
        Stale = true;
        Target->update();
        break;
    case QEvent::PaletteChange:
        Stale = true;
        break;
    default:
        break;
    }
    return false;
}
