#include "Resources.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QResource>

#include <cstdint>

#ifdef __linux__
#include <link.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

// The folders of the resource tree that hold named resources, and the
// extensions found in them. A file's name is its base name in lower case;
// "@2x" before the extension marks a 2x variant.
constexpr const char* kFolders[] = {":/cards/", ":/pictures/", ":/clip/", ":/icon/", ":/sounds/"};
constexpr const char* kExtensions[] = {".png", ".wav", ".gif"};

// Names are letters, digits and underscores; anything else ("fscard100.png",
// "cards/fscard100", "FSCARD100@2x") names no resource.
bool PlainName(const QString& name) {
    if (name.isEmpty()) return false;
    for (const QChar c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('_')) return false;
    return true;
}

// Looks each name up in the resource tree when it is first asked for. Only
// the files found are touched: listing the folders would read the header of
// every embedded file, and the kernel would map the whole resource data into
// the process around those reads.
QString Lookup(const QString& base) {
    for (const char* folder : kFolders)
        for (const char* extension : kExtensions) {
            const QString path = QLatin1String(folder) + base + QLatin1String(extension);
            if (QResource(path).isValid()) return path;
        }
    return {};
}

const QString& Cached(const QString& key) {
    static QHash<QString, QString> found;
    auto it = found.find(key);
    if (it == found.end()) it = found.insert(key, Lookup(key));
    return *it;
}

// The 1x path of a name, or its 2x variant's; empty when there is none.
QString Find(QStringView name, bool twice) {
    const QString base = name.toString().toLower();
    if (!PlainName(base)) return {};
    if (!twice) return Cached(base);
    if (Cached(base).isEmpty()) return {};
    return Cached(base + QLatin1String("@2x"));
}

} // namespace

QString ResourcePath(QStringView name, int scale) {
    if (scale == 2) {
        const QString path2x = Find(name, true);
        if (!path2x.isEmpty()) return path2x;
    }
    return Find(name, false);
}

namespace {
#ifdef __linux__
// The read-only, non-executable load segment of the module holding Target:
// [Begin, End) page-aligned, or an empty range.
struct TSegment {
    std::uintptr_t Target = 0, Begin = 0, End = 0;
};

// True when the loader had to write into the module's read-only segments
// (text relocations): their pages are then no longer copies of the file.
bool HasTextRelocations(const dl_phdr_info* info) {
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        if (info->dlpi_phdr[i].p_type != PT_DYNAMIC) continue;
        const auto* entry = reinterpret_cast<const ElfW(Dyn)*>(info->dlpi_addr + info->dlpi_phdr[i].p_vaddr);
        for (; entry->d_tag != DT_NULL; ++entry)
            if (entry->d_tag == DT_TEXTREL ||
                (entry->d_tag == DT_FLAGS && (entry->d_un.d_val & DF_TEXTREL) != 0))
                return true;
    }
    return false;
}

int FindSegment(dl_phdr_info* info, size_t, void* data) {
    auto* segment = static_cast<TSegment*>(data);
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& header = info->dlpi_phdr[i];
        if (header.p_type != PT_LOAD || (header.p_flags & (PF_W | PF_X)) != 0) continue;
        const std::uintptr_t start = info->dlpi_addr + header.p_vaddr, end = start + header.p_memsz;
        if (segment->Target < start || segment->Target >= end) continue;
        if (HasTextRelocations(info)) return 1;
        // Only pages wholly inside the segment.
        segment->Begin = (start + page - 1) & ~(page - 1);
        segment->End = end & ~(page - 1);
        return 1;
    }
    return 0;
}
#endif

// Embedded files lie in a read-only segment of the program file, whose pages
// stay in the process's resident set once touched; the kernel maps 64 KiB or
// a whole page-cache folio around every touch. After a file has been decoded
// or copied, the segment's pages are let go: they are clean, unwritable
// copies of the program file, mapped again from the page cache when next read.
void ReleasePages(const QString& path) {
#ifdef __linux__
    static const TSegment segment = [&] {
        TSegment found;
        found.Target = reinterpret_cast<std::uintptr_t>(QResource(path).data());
        if (found.Target != 0) dl_iterate_phdr(FindSegment, &found);
        return found;
    }();
    if (segment.End > segment.Begin)
        madvise(reinterpret_cast<void*>(segment.Begin), segment.End - segment.Begin, MADV_DONTNEED);
#else
    Q_UNUSED(path);
#endif
}
} // namespace

QByteArray ResourceData(QStringView name) {
    const QString path = ResourcePath(name);
    if (path.isEmpty()) return {};
    QFile file(path);
    QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    ReleasePages(path);
    return data;
}

namespace {
// Reads an embedded picture with the decoder its name gives, so Qt never
// loads every image plugin to guess the format.
QImage ReadPicture(const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setDecideFormatFromContent(false);
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    ReleasePages(path);
    return image;
}
} // namespace

QImage ResourceImage(QStringView name, int scale) {
    const QString path2x = scale == 2 ? Find(name, true) : QString();
    if (!path2x.isEmpty()) {
        QImage image = ReadPicture(path2x);
        image.setDevicePixelRatio(2.0);
        return image;
    }
    const QString path = Find(name, false);
    return path.isEmpty() ? QImage() : ReadPicture(path);
}

QList<QImage> WinClipFrames() {
    QList<QImage> frames;
    for (int i = 1; i <= 10; ++i) {
        const QImage frame =
            ReadPicture(ResourcePath(QStringLiteral("WIN_AVI%1").arg(i, 2, 10, QLatin1Char('0'))));
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
    for (const char* folder : kFolders) {
        QDirIterator it(QString::fromLatin1(folder).chopped(1), QDir::Files);
        while (it.hasNext()) {
            const QString base = QFileInfo(it.next()).completeBaseName().toLower();
            if (!base.endsWith(QLatin1String("@2x"))) names.append(base.toUpper());
        }
    }
    names.sort();
    names.removeDuplicates();
    return names;
}
