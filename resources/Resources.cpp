#include "Resources.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace {

struct Entry {
    QString path;   // 1x picture, or the only file
    QString path2x; // empty when there is no 2x variant
};

// The folders of the resource tree that hold named resources. A file's name is
// its base name in lower case; "@2x" before the extension marks a 2x variant.
const QHash<QString, Entry>& Index() {
    static const QHash<QString, Entry> index = [] {
        QHash<QString, Entry> map;
        for (const char* folder : {":/cards", ":/pictures", ":/clip", ":/icon", ":/sounds"}) {
            QDirIterator it(QString::fromLatin1(folder), QDir::Files);
            while (it.hasNext()) {
                const QString path = it.next();
                QString base = QFileInfo(path).completeBaseName().toLower();
                const bool is2x = base.endsWith(QLatin1String("@2x"));
                if (is2x) base.chop(3);
                Entry& entry = map[base];
                (is2x ? entry.path2x : entry.path) = path;
            }
        }
        return map;
    }();
    return index;
}

const Entry* Find(QStringView name) {
    const auto& index = Index();
    const auto it = index.constFind(name.toString().toLower());
    return it == index.constEnd() || it->path.isEmpty() ? nullptr : &*it;
}

} // namespace

QString ResourcePath(QStringView name, int scale) {
    const Entry* entry = Find(name);
    if (entry == nullptr) return {};
    return scale == 2 && !entry->path2x.isEmpty() ? entry->path2x : entry->path;
}

QByteArray ResourceData(QStringView name) {
    const QString path = ResourcePath(name);
    if (path.isEmpty()) return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace {
// Reads an embedded picture with the decoder its name gives, so Qt never
// loads every image plugin to guess the format.
QImage ReadPicture(const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setDecideFormatFromContent(false);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
} // namespace

QImage ResourceImage(QStringView name, int scale) {
    const Entry* entry = Find(name);
    if (entry == nullptr) return {};
    const bool use2x = scale == 2 && !entry->path2x.isEmpty();
    QImage image = ReadPicture(use2x ? entry->path2x : entry->path);
    if (use2x) image.setDevicePixelRatio(2.0);
    return image;
}

QList<QImage> WinClipFrames() {
    QList<QImage> frames;
    for (int i = 1; i <= 10; ++i) {
        const QImage frame = ReadPicture(ResourcePath(QStringLiteral("WIN_AVI%1").arg(i, 2, 10, QLatin1Char('0'))));
        if (frame.isNull()) return {};
        frames.append(frame);
    }
    return frames;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(ReadPicture(ResourcePath(QStringLiteral("ICON%1").arg(size)))));
    icon.addPixmap(QPixmap::fromImage(ReadPicture(ResourcePath(u"ICON"))));
    return icon;
}

QStringList ResourceNames() {
    QStringList names;
    const auto& index = Index();
    for (auto it = index.constBegin(); it != index.constEnd(); ++it)
        if (!it->path.isEmpty()) names.append(it.key().toUpper());
    names.sort();
    return names;
}
