#include "PictureFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "SdlLibrary.h"

namespace {
// Larger files are not pictures anyone means as a card back.
constexpr qint64 kMaxFileBytes = 128 * 1024 * 1024;
// A picture's header may claim any size; refuse what no sane picture needs
// before a decoder allocates for it (8192 x 8192 at most).
constexpr qint64 kMaxPixels = 64 * 1024 * 1024;

unsigned Byte(const QByteArray& data, qsizetype i) { return static_cast<unsigned char>(data[i]); }

// Qt's JPEG reader fills a truncated picture with grey and reports success;
// walk the markers to see that the file really reaches its end-of-image mark.
bool JpegIsComplete(const QByteArray& d) {
    const qsizetype n = d.size();
    if (n < 4 || Byte(d, 0) != 0xFF || Byte(d, 1) != 0xD8) return false;
    qsizetype i = 2;
    while (i < n) {
        if (Byte(d, i) != 0xFF) return false;
        while (i < n && Byte(d, i) == 0xFF) ++i; // fill bytes
        if (i >= n) return false;
        const unsigned marker = Byte(d, i++);
        if (marker == 0xD9) return true;                                          // end of image
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;       // no length
        if (i + 2 > n) return false;
        const qsizetype length = qsizetype(Byte(d, i) << 8 | Byte(d, i + 1));
        if (length < 2 || i + length > n) return false;
        i += length;
        if (marker == 0xDA) { // start of scan: entropy-coded data up to the next marker
            for (;; ++i) {
                if (i + 1 >= n) return false;
                if (Byte(d, i) != 0xFF) continue;
                const unsigned next = Byte(d, i + 1);
                if (next != 0x00 && next != 0xFF && !(next >= 0xD0 && next <= 0xD7)) break;
            }
        }
    }
    return false;
}

// Qt's BMP reader, too, accepts a file cut short. The headers say how much
// pixel data follows; check that the file holds it.
bool BmpIsComplete(const QByteArray& d) {
    if (d.size() < 30 || d[0] != 'B' || d[1] != 'M') return false;
    const auto u32 = [&](qsizetype at) {
        return quint64(Byte(d, at) | Byte(d, at + 1) << 8 | Byte(d, at + 2) << 16) | quint64(Byte(d, at + 3)) << 24;
    };
    const quint64 offset = u32(10);
    const quint64 infoSize = u32(14);
    quint64 width = 0, height = 0, bits = 0, compression = 0, imageSize = 0;
    if (infoSize == 12) { // OS/2 core header
        width = Byte(d, 18) | Byte(d, 19) << 8;
        height = Byte(d, 20) | Byte(d, 21) << 8;
        bits = Byte(d, 24) | Byte(d, 25) << 8;
    } else {
        if (d.size() < 38) return false;
        width = u32(18);
        const qint32 signedHeight = qint32(quint32(u32(22)));
        height = quint64(signedHeight < 0 ? -qint64(signedHeight) : qint64(signedHeight));
        bits = Byte(d, 28) | Byte(d, 29) << 8;
        compression = u32(30);
        imageSize = u32(34);
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6; // RGB, bit fields
    const quint64 needed = uncompressed ? (width * bits + 31) / 32 * 4 * height : imageSize;
    return offset + needed <= quint64(d.size());
}

bool LooksLikePcx(const QByteArray& d) { return d.size() >= 128 && Byte(d, 0) == 0x0A; }

QImage ReadPcx(const QByteArray& data) {
    if (!LooksLikePcx(data)) return {};
    const auto word = [&](qsizetype at) { return qint64(Byte(data, at) | Byte(data, at + 1) << 8); };
    const qint64 width = word(8) - word(4) + 1;
    const qint64 height = word(10) - word(6) + 1;
    if (width <= 0 || height <= 0 || width * height > kMaxPixels) return {};
    // SDL2_image reads the bytes per line as a signed number and allocates
    // that much; none or a "negative" count only comes from a damaged header.
    const qint64 bytesPerLine = word(66);
    if (bytesPerLine == 0 || bytesPerLine >= 0x8000) return {};
    // One run-length pair unpacks to at most 63 bytes: a file too short for
    // the size its header claims is refused before SDL2_image allocates for it.
    const qint64 planes = qMax(1, int(Byte(data, 65)));
    if ((data.size() - 128) * 63 < planes * bytesPerLine * height) return {};

    const TSdlApi* sdl = SdlApi();
    const auto loadPcx = SdlPcxLoader();
    if (sdl == nullptr || loadPcx == nullptr) return {};
    SDL_RWops* rw = sdl->RWFromConstMem(data.constData(), int(data.size()));
    if (!rw) return {};
    SDL_Surface* loaded = loadPcx(rw);
    sdl->RWclose(rw);
    if (!loaded) return {};
    SDL_Surface* rgb = sdl->ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    sdl->FreeSurface(loaded);
    if (!rgb) return {};
    QImage image;
    if (sdl->LockSurface(rgb) == 0) {
        // ARGB8888 is one 32-bit value per pixel, as QImage::Format_RGB32 keeps it.
        image = QImage(static_cast<const uchar*>(rgb->pixels), rgb->w, rgb->h, rgb->pitch,
                       QImage::Format_RGB32)
                    .copy();
        sdl->UnlockSurface(rgb);
    }
    sdl->FreeSurface(rgb);
    return image;
}
// A PNG chunk that claims more bytes than the file holds makes the decoder
// spend seconds before it gives up: walk the chunks first.
bool PngChunksFit(const QByteArray& d) {
    static const char signature[] = "\x89PNG\r\n\x1a\n";
    if (d.size() < 8 || !d.startsWith(QByteArray::fromRawData(signature, 8))) return false;
    qsizetype i = 8;
    while (i + 12 <= d.size()) {
        const quint64 length = quint64(Byte(d, i)) << 24 | Byte(d, i + 1) << 16 | Byte(d, i + 2) << 8 | Byte(d, i + 3);
        if (length > quint64(d.size() - i - 12)) return false;
        if (d.mid(i + 4, 4) == "IEND") return true;
        i += qsizetype(length) + 12;
    }
    return false;
}

// The size a header claims, in pixels; 0 when no reader knows the header.
qint64 ClaimedPixels(const QByteArray& data) {
    if (LooksLikePcx(data)) {
        const auto word = [&](qsizetype at) { return qint64(Byte(data, at) | Byte(data, at + 1) << 8); };
        return std::max<qint64>(word(8) - word(4) + 1, 0) * std::max<qint64>(word(10) - word(6) + 1, 0);
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    return size.isValid() ? qint64(size.width()) * size.height() : 0;
}

QImage ReadWithQt(const QByteArray& data) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    // The pixel limit above is the one that counts; Qt's own allocation limit
    // would refuse the largest of those pictures.
    reader.setAllocationLimit(int(kMaxPixels * 4 / (1024 * 1024)) + 1);
    const QByteArray format = reader.format();
    if (format == "png" && !PngChunksFit(data)) return {};
    QImage image;
    if (!reader.read(&image)) return {};
    if (format == "jpeg" && !JpegIsComplete(data)) return {};
    if (format == "bmp" && !BmpIsComplete(data)) return {};
    return image;
}
} // namespace

QString PictureTooLargeMessage(const QString& path) {
    return QCoreApplication::translate("TPictureFile", "The picture %1 is too large to load. A picture may have at "
                                                       "most %2 million pixels (8192 x 8192) and a file at most %3 MB.")
        .arg(path)
        .arg(kMaxPixels / (1024 * 1024))
        .arg(kMaxFileBytes / (1024 * 1024));
}

bool IsGifPath(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("gif"), Qt::CaseInsensitive) == 0;
}

TPictureFile LoadPictureFile(const QString& path) {
    TPictureFile result;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) return result;
    if (IsGifPath(path)) {
        result.Status = TPictureStatus::Gif;
        return result;
    }
    result.Status = TPictureStatus::Unreadable;
    if (!info.isFile() || info.size() <= 0) return result;
    if (info.size() > kMaxFileBytes) {
        result.Status = TPictureStatus::TooLarge;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return result;
    const QByteArray data = file.readAll();
    if (data.size() != info.size()) return result;
    if (ClaimedPixels(data) > kMaxPixels) {
        result.Status = TPictureStatus::TooLarge;
        return result;
    }

    const bool pcxName = info.suffix().compare(QLatin1String("pcx"), Qt::CaseInsensitive) == 0;
    // The name picks the reader; a picture whose name lies gets the other one.
    QImage image = pcxName ? ReadPcx(data) : ReadWithQt(data);
    if (image.isNull()) image = pcxName ? ReadWithQt(data) : ReadPcx(data);
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) return result;
    result.Status = TPictureStatus::Loaded;
    result.Image = std::move(image);
    return result;
}
