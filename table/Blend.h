// TzBackground paints a game window's table: a tiled picture, a colour
// gradient in bands, the window's plain colour or a fine steel pattern. It
// keeps the painted table in BackBuffer at the window's client size, so pile
// views in FS_BITMAP mode copy the part under them and look transparent.
#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QRect>
#include <cstdint>
#include <functional>

class QPainter;
class QWidget;

enum TzBackType : std::uint8_t { btBitmap = 0, btBlend = 1, btNormal = 2, btSteel = 3 };

// gHorz: colour changes left to right; gVert: top to bottom; gCenter: from
// the edges to the centre.
enum gradType : std::uint8_t { gHorz = 0, gVert = 1, gCenter = 2 };

class TzBackground : public QObject {
    Q_OBJECT

public:
    using TzBackPaintEvent = std::function<void(QPainter& canvas, TzBackground* sender)>;
    using NotifyEvent = std::function<void(QObject* sender)>;

    // Takes over the background painting of `window` (its child, destroyed
    // with it). The window's palette colour stays its plain background.
    explicit TzBackground(QWidget* window);
    ~TzBackground() override;

    TzBackType BackType() const { return Back; }
    void SetBackType(TzBackType type);
    gradType FillType() const { return Fill; }
    void SetFillType(gradType type); // repaints even when unchanged
    QColor Color() const { return StartColor; }
    void SetColor(const QColor& color);
    QColor EndColor() const { return FinishColor; }
    void SetEndColor(const QColor& color);
    int Bands() const { return BandCount; }
    void SetBands(int bands);
    const QImage& BitMap() const { return Picture; }
    void SetBitMap(const QImage& picture); // copies the picture

    // Called after every background paint with a painter on the window.
    TzBackPaintEvent OnPaint;
    // Called when the window is resized, before it is repainted.
    NotifyEvent OnResize;

    // The painted table at the window's client size (and device pixel
    // ratio), brought up to date when read. The image object lives as long as
    // this component; hand it to the pile views as BackgroundBitmap.
    const QImage* BackBuffer() const;
    QWidget* Window() const { return Target; }
    bool Hooked() const { return Target != nullptr; }

    // Paints the table of a width x height client with this component's
    // settings (the same picture the window gets).
    void PaintBackground(QPainter& canvas, int width, int height) const;

    // Brings `backBuffer` up to date when its component has a change not yet
    // painted; pile views call it before they copy from it.
    static void Refresh(const QImage* backBuffer);

    // a x b / c rounded to the nearest integer, halves away from zero;
    // -1 when c is 0 or the result does not fit an int.
    static int MulDiv(int a, int b, int c);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Changed();
    void UpdateBuffer() const;
    void ComputeComponents();
    QColor BandColour(int step, int steps) const;
    bool PaintsWindow() const;
    void PaintPart(QPainter& canvas, int width, int height, const QRect& part) const;
    void PaintBands(QPainter& canvas, int width, int height, const QRect& part) const;
    void PaintCenter(QPainter& canvas, int width, int height, const QRect& part) const;
    void PaintTiles(QPainter& canvas, int width, int height, const QRect& part) const;

    gradType Fill = gVert;
    TzBackType Back = btBitmap;
    QWidget* Target = nullptr;
    QImage Picture;
    QColor StartColor{255, 0, 255};
    QColor FinishColor{0, 0, 0};
    int BandCount = 255;
    std::int16_t StartRed = 0, StartGreen = 0, StartBlue = 0;
    std::int16_t DeltaRed = 0, DeltaGreen = 0, DeltaBlue = 0;
    mutable QImage Buffer;
    mutable bool Stale = true; // Buffer does not show the current settings and size
};
