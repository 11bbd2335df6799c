// The card pictures: class-wide image lists of faces, backs and pile symbols,
// built once from the program's resources at the screen's resolution.
#include "CardPileView.h"
#include "Resources.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr QRgb MagentaKey = 0xFFFF00FF;
constexpr int FirstFace = 100; // resource number of the ace of clubs
constexpr int FaceCount = 53;  // 52 faces and the jester
constexpr int FirstBack = 153;
constexpr int BackCount = 3;
constexpr int FirstSymbol = 156;
constexpr int SymbolCount = 2;
constexpr int CustomBackIndex = 3;

struct Imagery {
    std::optional<TImageList> Faces;
    std::optional<TImageList> Backs;
    std::optional<TImageList> Symbols;
    bool Loaded = false;
    int ScaleSetting = 0; // 0: follow the screen
};

Imagery& Shared() {
    static Imagery state;
    return state;
}

int LoadScale() {
    const int setting = Shared().ScaleSetting;
    if (setting == 1 || setting == 2) return setting;
    return (qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0) ? 2 : 1;
}

QString ResourceName(CardSize size, int number) {
    return (size == FS_SMALL ? QStringLiteral("sFSCARD%1") : QStringLiteral("FSCARD%1")).arg(number);
}

QString FrameName(CardSize size, bool mask) {
    const QString base = mask ? QStringLiteral("BORDERMASK") : QStringLiteral("BORDER");
    return size == FS_SMALL ? QStringLiteral("s") + base : base;
}

int WidthOf(CardSize size) { return size == FS_SMALL ? 61 : 80; }
int HeightOf(CardSize size) { return size == FS_SMALL ? 95 : 125; }

// Loads a named picture at `scale` (falling back to the 1x art when no 2x
// variant exists) and puts it on a canvas of exactly the card size. Returns
// the image and the scale it ended up at.
QImage LoadCardImage(const QString& name, CardSize size, int scale, int& gotScale) {
    QImage image = ResourceImage(name, scale);
    if (image.isNull() && scale != 1) image = ResourceImage(name, 1);
    // Without a 2x variant the 1x picture comes back; its ratio says which.
    gotScale = image.isNull() ? 1 : std::clamp(qRound(image.devicePixelRatio()), 1, 2);
    image.setDevicePixelRatio(1);
    const QSize want(WidthOf(size) * gotScale, HeightOf(size) * gotScale);
    if (image.isNull()) {
        qWarning("Card picture \"%s\" is missing from the resources", qPrintable(name));
        image = QImage(want, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        return image;
    }
    // Premultiplied, the pixmaps' own format: the pixmap takes the pixels over
    // as they are instead of converting a copy. Opaque pixels (the magenta key
    // among them) read the same in either format.
    image = std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.size() != want) {
        // Cropped or padded, never scaled: every entry has the list's size.
        QImage fitted(want, QImage::Format_ARGB32_Premultiplied);
        fitted.fill(Qt::transparent);
        QPainter p(&fitted);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image);
        p.end();
        image = fitted;
    }
    return image;
}

// Magenta marks the pixels outside the card's rounded outline.
void KeyOutMagenta(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == MagentaKey) line[x] = 0;
    }
}

QPixmap ToPixmap(QImage image, int scale) {
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

// Every list keys out magenta, the pile symbols too: their grey ground is
// drawn, but their rounded corners show the table like a card's.
TImageList BuildList(CardSize size, int first, int count) {
    TImageList list(WidthOf(size), HeightOf(size));
    const int scale = LoadScale();
    for (int number = first; number < first + count; ++number) {
        int gotScale = 1;
        QImage image = LoadCardImage(ResourceName(size, number), size, scale, gotScale);
        KeyOutMagenta(image);
        list.Add(ToPixmap(std::move(image), gotScale));
    }
    return list;
}

void LoadLists(CardSize size) {
    InitCardImagery();
    Imagery& s = Shared();
    if (!s.Loaded) {
        s.Faces = BuildList(size, FirstFace, FaceCount);
        s.Backs = BuildList(size, FirstBack, BackCount);
    }
    s.Loaded = true;
}

void LoadCurrentSize() {
    if (TCard::GetCardSize() == FS_SMALL)
        TCard::LoadSmallCardBitmaps();
    else
        TCard::LoadCardBitmaps();
}

void EnsureLoaded() {
    if (!Shared().Loaded) LoadCurrentSize();
}

// The custom back: the blank frame, the picture stretched inside its margin,
// the corners cut away where the mask is white.
QPixmap ComposeCustomBack(const QImage& picture, CardSize size, int scale) {
    int frameScale = 1;
    QImage frame = LoadCardImage(FrameName(size, false), size, scale, frameScale);
    int maskScale = 1;
    QImage mask = LoadCardImage(FrameName(size, true), size, frameScale, maskScale);
    const int margin = size == FS_SMALL ? 4 : 5;
    const QRect inner(margin * frameScale, margin * frameScale, (WidthOf(size) - 2 * margin) * frameScale,
                      (HeightOf(size) - 2 * margin) * frameScale);
    frame = frame.convertToFormat(QImage::Format_ARGB32);
    {
        QPainter p(&frame);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(inner, picture);
    }
    if (maskScale != frameScale) mask = mask.scaled(frame.size());
    for (int y = 0; y < frame.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(frame.scanLine(y));
        const auto* maskLine = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x)
            if (qGray(maskLine[x]) >= 128) line[x] = 0;
    }
    return ToPixmap(std::move(frame), frameScale);
}

} // namespace

void InitCardImagery() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    TCard::ImageryHooks hooks;
    hooks.LoadCurrentSize = LoadCurrentSize;
    hooks.FreeAll = TCard::FreeCardBitmaps;
    hooks.ReloadPileBitmaps = TCardPileView::LoadPileBitmaps;
    TCard::InstallImageryHooks(hooks);
}

void TImageList::Replace(int index, const QPixmap& image) {
    if (Has(index))
        Images[static_cast<std::size_t>(index)] = image;
    else
        Images.push_back(image);
}

void TImageList::Draw(QPainter& canvas, QPoint at, int index) const {
    if (Has(index)) canvas.drawPixmap(at, Images[static_cast<std::size_t>(index)]);
}

void TCard::LoadCardBitmaps() { LoadLists(FS_LARGE); }

void TCard::LoadSmallCardBitmaps() { LoadLists(FS_SMALL); }

void TCard::FreeCardBitmaps() {
    Imagery& s = Shared();
    s.Faces.reset();
    s.Backs.reset();
    s.Symbols.reset();
    s.Loaded = false;
}

TImageList* TCard::GetCardImageList() {
    EnsureLoaded();
    return &*Shared().Faces;
}

TImageList* TCard::GetBackImageList() {
    EnsureLoaded();
    return &*Shared().Backs;
}

void TCard::DrawCardOnCanvas(QPoint at, QPainter& canvas) const {
    EnsureLoaded();
    const Imagery& s = Shared();
    if (FaceUp) {
        s.Faces->Draw(canvas, at, Suit * 13 + Value);
        return;
    }
    // A back index the list does not hold (a custom back that was never
    // composed, a hand-edited settings file) draws the first back.
    const int back = GetBackIndex();
    s.Backs->Draw(canvas, at, s.Backs->Has(back) ? back : 0);
}

void TCard::GetCardBitmap(QPixmap& bitmap) const {
    EnsureLoaded();
    const TImageList& faces = *Shared().Faces;
    const int index = Suit * 13 + Value;
    bitmap = faces.Has(index) ? faces.Image(index) : QPixmap();
}

bool TCard::SetCustomBack(const QImage& picture, bool select) {
    if (picture.isNull()) return false;
    EnsureLoaded();
    TImageList& backs = *Shared().Backs;
    const QPixmap back = ComposeCustomBack(picture, GetCardSize(), LoadScale());
    if (backs.Count() == BackCount)
        backs.Add(back);
    else
        backs.Replace(CustomBackIndex, back);
    if (select) SetBackIndex(CustomBackIndex);
    return true;
}

void TCard::SetImageryScale(int scale) {
    InitCardImagery();
    if (scale != 1 && scale != 2) scale = 0;
    Imagery& s = Shared();
    if (s.ScaleSetting == scale) return;
    const bool reload = s.Loaded || s.Symbols.has_value();
    FreeCardBitmaps();
    s.ScaleSetting = scale;
    if (reload) {
        LoadCurrentSize();
        TCardPileView::LoadPileBitmaps();
    }
}

int TCard::GetImageryScale() { return LoadScale(); }

void TCardPileView::LoadPileBitmaps() {
    InitCardImagery();
    Imagery& s = Shared();
    if (s.Symbols) return;
    s.Symbols = BuildList(TCard::GetCardSize(), FirstSymbol, SymbolCount);
}

TImageList* TCardPileView::GetPileImageList() {
    LoadPileBitmaps();
    return &*Shared().Symbols;
}
