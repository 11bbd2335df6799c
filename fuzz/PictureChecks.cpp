// Properties of the picture loaders that must hold for any bytes.
#include "FuzzChecks.h"

#include "PictureFile.h"

#include <QFile>

namespace {
QString Describe(const TPictureFile& picture) {
    switch (picture.Status) {
    case TPictureStatus::Loaded:
        return QStringLiteral("loaded %1x%2").arg(picture.Image.width()).arg(picture.Image.height());
    case TPictureStatus::Missing: return QStringLiteral("missing");
    case TPictureStatus::Gif: return QStringLiteral("gif");
    case TPictureStatus::Unreadable: return QStringLiteral("unreadable");
    case TPictureStatus::TooLarge: return QStringLiteral("too large");
    }
    return QStringLiteral("unknown status");
}
} // namespace

QString CheckPictureInput(const QByteArray& data, const QString& scratchDir) {
    // The name only decides which reader tries first, so the three names Qt
    // reads must agree; PCX may differ where both readers accept the bytes.
    static const char* const kExtensions[] = {"bmp", "jpg", "png", "pcx"};
    QString previous;
    QString qtResult;
    for (const char* extension : kExtensions) {
        const QString path = scratchDir + QStringLiteral("/picture.") + QLatin1String(extension);
        if (previous.isEmpty()) {
            QFile out(path);
            if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(data) != data.size())
                return QStringLiteral("cannot write the scratch file %1").arg(path);
        } else {
            QFile::remove(path);
            if (!QFile::rename(previous, path)) return QStringLiteral("cannot rename %1").arg(previous);
        }
        previous = path;

        const TPictureFile picture = LoadPictureFile(path);
        const QString result = Describe(picture);
        if (picture.Status == TPictureStatus::Missing || picture.Status == TPictureStatus::Gif)
            return QStringLiteral(".%1: an existing file reads as %2").arg(QLatin1String(extension), result);
        if (data.isEmpty() && picture.Status != TPictureStatus::Unreadable)
            return QStringLiteral(".%1: an empty file reads as %2").arg(QLatin1String(extension), result);
        if (picture.Status == TPictureStatus::Loaded &&
            (picture.Image.isNull() || picture.Image.width() <= 0 || picture.Image.height() <= 0))
            return QStringLiteral(".%1: loaded an empty image").arg(QLatin1String(extension));
        if (picture.Status != TPictureStatus::Loaded && !picture.Image.isNull())
            return QStringLiteral(".%1: an image came with status %2").arg(QLatin1String(extension), result);
        if (qstrcmp(extension, "pcx") == 0) continue;
        if (qtResult.isEmpty()) qtResult = result;
        else if (result != qtResult)
            return QStringLiteral(".%1 reads as %2, .bmp as %3").arg(QLatin1String(extension), result, qtResult);
    }
    QFile::remove(previous);
    return {};
}
