// The embedded resources: every name the program loads, with its size, format,
// key colour and sound format, found without regard to case.
#include "Resources.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QResource>
#include <QSet>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr QRgb Magenta = qRgb(255, 0, 255);

struct CardSet {
    const char* prefix;
    int width;
    int height;
};
constexpr CardSet Large{"FSCARD", 80, 125};
constexpr CardSet Small{"sFSCARD", 61, 95};

QString CardName(const CardSet& set, int number) {
    return QString::fromLatin1(set.prefix) + QString::number(number);
}

// The corner key at 1x: the corner pixel and its two neighbours along the edges.
bool IsKeyPixel(int x, int y, int width, int height) {
    const int dx = std::min(x, width - 1 - x);
    const int dy = std::min(y, height - 1 - y);
    return dx + dy <= 1;
}

// At `scale`, every 1x pixel is a scale x scale block.
bool IsKeyPixelAt(int x, int y, int width, int height, int scale) {
    return IsKeyPixel(x / scale, y / scale, width, height);
}

// Exactly the key pixels are pure magenta; every other pixel is something else.
::testing::AssertionResult HasCornerKey(const QImage& picture, int width, int height, int scale) {
    if (picture.size() != QSize(width * scale, height * scale))
        return ::testing::AssertionFailure() << "size " << picture.width() << "x" << picture.height();
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const bool key = IsKeyPixelAt(x, y, width, height, scale);
            if (key != (line[x] == Magenta))
                return ::testing::AssertionFailure()
                       << (key ? "key pixel not magenta" : "stray magenta") << " at " << x << "," << y;
        }
    }
    return ::testing::AssertionSuccess();
}

QList<int> CardNumbers() {
    QList<int> numbers;
    for (int n = 100; n <= 157; ++n)
        numbers.append(n);
    return numbers;
}

// PNG header: bit depth and colour type (2 = RGB, 3 = palette, 6 = RGBA).
std::pair<int, int> PngFormat(QStringView name, int scale = 1) {
    QFile file(ResourcePath(name, scale));
    if (!file.open(QIODevice::ReadOnly)) return {0, 0};
    const QByteArray head = file.read(26);
    if (head.size() < 26 || !head.startsWith("\x89PNG")) return {0, 0};
    return {static_cast<unsigned char>(head[24]), static_cast<unsigned char>(head[25])};
}

int RedPixels(const QImage& picture, const QRect& area) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 90 && c.blue() < 90) ++count;
        }
    return count;
}

} // namespace

TEST(ResourceLookup, ResourcesAreRegisteredByLinkingAlone) {
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/cards/fscard100.png")));
    EXPECT_EQ(ResourcePath(u"FSCARD100"), QStringLiteral(":/cards/fscard100.png"));
}

TEST(ResourceLookup, NamesMatchWithoutRegardToCase) {
    const QList<QList<QString>> spellings = {
        {"FSCARD100", "fscard100", "FsCard100"},
        {"sFSCARD152", "SFSCARD152", "sfscard152"},
        {"SHUFFLE", "shuffle", "Shuffle"},
        {"WIN_AVI", "win_avi"},
        {"JESTER1", "jester1"},
        {"KLONDIKE", "Klondike"},
        {"BORDERMASK", "BorderMask"},
        {"sBORDER", "SBORDER"},
        {"ICON", "icon"},
    };
    for (const auto& names : spellings) {
        const QString path = ResourcePath(names.front());
        EXPECT_FALSE(path.isEmpty()) << names.front().toStdString();
        for (const QString& name : names) {
            EXPECT_EQ(ResourcePath(name), path) << name.toStdString();
            EXPECT_EQ(ResourcePath(name, 2).isEmpty(), false) << name.toStdString();
        }
        EXPECT_EQ(ResourceData(names.back()), ResourceData(names.front()));
    }
    // Small and large cards are different resources, whatever the case.
    EXPECT_NE(ResourcePath(u"sfscard100"), ResourcePath(u"fscard100"));
}

TEST(ResourceLookup, UnknownNamesGiveEmptyResults) {
    for (const char* name : {"", "FSCARD99", "FSCARD158", "sFSCARD", "fscard100.png", "FSCARD100@2x",
                             "cards/fscard100", "../cards/fscard100", "NOSUCHSOUND"}) {
        EXPECT_TRUE(ResourcePath(QString::fromLatin1(name)).isEmpty()) << name;
        EXPECT_TRUE(ResourcePath(QString::fromLatin1(name), 2).isEmpty()) << name;
        EXPECT_TRUE(ResourceData(QString::fromLatin1(name)).isEmpty()) << name;
        EXPECT_TRUE(ResourceImage(QString::fromLatin1(name)).isNull()) << name;
    }
}

TEST(ResourceLookup, ScaleTwoGivesTheHighDensityPictureOrFallsBack) {
    const QImage card = ResourceImage(u"FSCARD100", 2);
    EXPECT_EQ(card.size(), QSize(160, 250));
    EXPECT_EQ(card.devicePixelRatio(), 2.0);
    EXPECT_EQ(card.deviceIndependentSize(), QSizeF(80, 125));
    EXPECT_NE(ResourcePath(u"FSCARD100", 2), ResourcePath(u"FSCARD100"));

    // No 2x variant: the 1x resource, at its own pixel ratio.
    EXPECT_EQ(ResourcePath(u"SHUFFLE", 2), ResourcePath(u"SHUFFLE"));
    const QImage frame = ResourceImage(u"WIN_AVI01", 2);
    EXPECT_EQ(frame.size(), QSize(376, 154));
    EXPECT_EQ(frame.devicePixelRatio(), 1.0);
    EXPECT_EQ(ResourceImage(u"FSCARD100", 1).devicePixelRatio(), 1.0);
}

TEST(ResourceLookup, NameListHoldsEveryNamedResource) {
    const QStringList names = ResourceNames();
    QStringList expected = {
        "STARTUP", "CASTLE",     "DBLKLONDIKE", "FORTYTHIEVES", "FREECELL", "GOLF",    "INDIAN",  "KLONDIKE",
        "MONTANA", "PYRAMID",    "QUEENITALY",  "SEAHAVEN",     "SPIDER",   "JESTER1", "JESTER2", "JESTER3",
        "BORDER",  "BORDERMASK", "SBORDER",     "SBORDERMASK",  "SHUFFLE",  "DEAL",    "OPEN",    "JESTER",
        "STOCK",   "UNDO",       "AUTOPLAY",    "RESTART",      "WIN_SND",  "WIN_AVI", "ICON"};
    for (int n : CardNumbers()) {
        expected << CardName(Large, n).toUpper() << CardName(Small, n).toUpper();
    }
    for (const QString& name : expected) {
        EXPECT_TRUE(names.contains(name)) << name.toStdString();
        EXPECT_FALSE(ResourcePath(name).isEmpty()) << name.toStdString();
    }
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
}

TEST(CardPictures, EveryCardHasTheCornerKeyAtBothSizesAndScales) {
    for (const CardSet& set : {Large, Small}) {
        for (int n : CardNumbers()) {
            const QString name = CardName(set, n);
            SCOPED_TRACE(name.toStdString());
            EXPECT_TRUE(HasCornerKey(ResourceImage(name), set.width, set.height, 1));
            const QImage hi = ResourceImage(name, 2);
            EXPECT_EQ(hi.devicePixelRatio(), 2.0);
            EXPECT_TRUE(HasCornerKey(hi, set.width, set.height, 2));
        }
    }
}

TEST(CardPictures, EveryPictureIsItsOwn) {
    // A generator that wrote one picture under several names would pass the size checks.
    for (const CardSet& set : {Large, Small}) {
        for (int scale : {1, 2}) {
            QSet<QByteArray> seen;
            for (int n : CardNumbers()) {
                const QImage image =
                    ResourceImage(CardName(set, n), scale).convertToFormat(QImage::Format_RGB32);
                const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()),
                                        image.sizeInBytes());
                EXPECT_FALSE(seen.contains(pixels))
                    << CardName(set, n).toStdString() << " at " << scale << "x";
                seen.insert(pixels);
            }
        }
    }
}

TEST(CardPictures, FacesFollowTheSuitOrderClubsSpadesDiamondsHearts) {
    // The corner index of a red suit is red; clubs and spades have no red in it.
    for (const CardSet& set : {Large, Small}) {
        const QRect index(1, 1, set.width / 6, set.height / 4);
        for (int suit = 0; suit < 4; ++suit) {
            for (int value = 0; value < 13; ++value) {
                const QString name = CardName(set, 100 + suit * 13 + value);
                const int red = RedPixels(ResourceImage(name), index);
                if (suit >= 2) {
                    EXPECT_GT(red, 5) << name.toStdString();
                } else {
                    EXPECT_EQ(red, 0) << name.toStdString();
                }
            }
        }
    }
}

TEST(CardPictures, PileSymbolsAreGreenOnGrey) {
    for (const CardSet& set : {Large, Small}) {
        for (int n : {156, 157}) {
            const QImage image = ResourceImage(CardName(set, n)).convertToFormat(QImage::Format_RGB32);
            const QColor ground = image.pixelColor(5, 5);
            EXPECT_EQ(ground.red(), ground.green());
            EXPECT_EQ(ground.green(), ground.blue());
            EXPECT_GT(ground.red(), 150);
            int green = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (c.green() > c.red() + 60 && c.green() > c.blue() + 60) ++green;
                }
            EXPECT_GT(green, image.width() * image.height() / 20) << CardName(set, n).toStdString();
        }
    }
}

TEST(CustomBackFrame, BorderIsATwentyFourBitCreamCardWithADarkRim) {
    for (const auto& [name, width, height] : {std::tuple{"BORDER", 80, 125}, std::tuple{"sBORDER", 61, 95}}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(PngFormat(QString::fromLatin1(name)), std::pair(8, 2));
        const QImage border = ResourceImage(QString::fromLatin1(name));
        ASSERT_EQ(border.size(), QSize(width, height));
        const QColor face = border.pixelColor(width / 2, height / 2);
        EXPECT_GT(face.red(), 220);
        EXPECT_GT(face.red(), face.blue()); // cream, not white
        EXPECT_LT(border.pixelColor(width / 2, 0).lightness(), 80);
        EXPECT_LT(border.pixelColor(0, height / 2).lightness(), 80);
        EXPECT_EQ(ResourceImage(QString::fromLatin1(name), 2).size(), QSize(width * 2, height * 2));
    }
}

TEST(CustomBackFrame, MaskIsBlackButThreeWhitePixelsInEachCorner) {
    for (const auto& [name, width, height] :
         {std::tuple{"BORDERMASK", 80, 125}, std::tuple{"sBORDERMASK", 61, 95}}) {
        for (int scale : {1, 2}) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(scale) + "x");
            EXPECT_EQ(PngFormat(QString::fromLatin1(name), scale), std::pair(1, 3));
            const QImage mask =
                ResourceImage(QString::fromLatin1(name), scale).convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(mask.size(), QSize(width * scale, height * scale));
            int white = 0;
            for (int y = 0; y < mask.height(); ++y)
                for (int x = 0; x < mask.width(); ++x) {
                    const QRgb want =
                        IsKeyPixelAt(x, y, width, height, scale) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
                    ASSERT_EQ(mask.pixel(x, y), want) << x << "," << y;
                    white += mask.pixel(x, y) == qRgb(255, 255, 255);
                }
            EXPECT_EQ(white, 12 * scale * scale);
        }
    }
}

TEST(SelectorPictures, StartupAndPreviewsAre256ColourPictures) {
    const QStringList previews = {"CASTLE",  "DBLKLONDIKE", "FORTYTHIEVES", "FREECELL",
                                  "GOLF",    "INDIAN",      "KLONDIKE",     "MONTANA",
                                  "PYRAMID", "QUEENITALY",  "SEAHAVEN",     "SPIDER"};
    QSet<QByteArray> seen;
    for (const QString& name : previews + QStringList{"STARTUP"}) {
        SCOPED_TRACE(name.toStdString());
        for (int scale : {1, 2}) {
            const QImage image = ResourceImage(name, scale);
            ASSERT_EQ(image.size(), QSize(320 * scale, 125 * scale));
            EXPECT_EQ(image.format(), QImage::Format_Indexed8);
            EXPECT_LE(image.colorCount(), 256);
        }
        // The opening tables lie on the dark green table colour.
        if (name != "STARTUP") {
            EXPECT_EQ(ResourceImage(name).pixel(0, 0), qRgb(0, 64, 0));
        }
        const QByteArray data = ResourceData(name);
        EXPECT_FALSE(seen.contains(data));
        seen.insert(data);
    }
}

TEST(JesterPictures, ThreeSwingPositionsOnFlatGrey) {
    QSet<QByteArray> seen;
    for (const char* name : {"JESTER1", "JESTER2", "JESTER3"}) {
        SCOPED_TRACE(name);
        for (int scale : {1, 2}) {
            const QImage image = ResourceImage(QString::fromLatin1(name), scale);
            ASSERT_EQ(image.size(), QSize(68 * scale, 97 * scale));
            // Windows take their colour from the top-left pixel; the whole frame edge matches it.
            for (const QPoint corner :
                 {QPoint(0, 0), QPoint(image.width() - 1, 0), QPoint(0, image.height() - 1),
                  QPoint(image.width() - 1, image.height() - 1)})
                EXPECT_EQ(image.pixel(corner), qRgb(191, 191, 191));
        }
        const QByteArray data = ResourceData(QString::fromLatin1(name));
        EXPECT_FALSE(seen.contains(data));
        seen.insert(data);
    }
}

namespace {

struct WaveFormat {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    QByteArray samples;
};

// Reads a RIFF WAVE file's "fmt " and "data" chunks.
WaveFormat ParseWave(const QByteArray& file) {
    WaveFormat w;
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return w;
    qsizetype pos = 12;
    while (pos + 8 <= file.size()) {
        const QByteArray id = file.mid(pos, 4);
        const auto size = qFromLittleEndian<quint32>(file.constData() + pos + 4);
        const char* body = file.constData() + pos + 8;
        if (id == "fmt " && size >= 16) {
            w.format = qFromLittleEndian<quint16>(body);
            w.channels = qFromLittleEndian<quint16>(body + 2);
            w.rate = static_cast<int>(qFromLittleEndian<quint32>(body + 4));
            const auto byteRate = qFromLittleEndian<quint32>(body + 8);
            const auto blockAlign = qFromLittleEndian<quint16>(body + 12);
            w.bits = qFromLittleEndian<quint16>(body + 14);
            if (blockAlign != w.channels * w.bits / 8 || byteRate != quint32(w.rate) * blockAlign)
                w.format = -1;
        } else if (id == "data") {
            w.samples = file.mid(pos + 8, size);
        }
        pos += 8 + size + (size & 1);
    }
    return w;
}

} // namespace

TEST(Sounds, EveryWaveHasItsFormatLengthAndLevel) {
    struct Expected {
        const char* name;
        int channels;
        int rate;
        double seconds;
    };
    const Expected table[] = {
        {"SHUFFLE", 1, 22050, 0.78},  {"DEAL", 1, 22050, 0.21},    {"OPEN", 2, 22050, 2.17},
        {"JESTER", 1, 22050, 4.93},   {"STOCK", 1, 22050, 0.23},   {"UNDO", 1, 11025, 0.09},
        {"AUTOPLAY", 1, 22254, 0.22}, {"RESTART", 1, 22050, 1.15}, {"WIN_SND", 1, 22050, 8.54},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(e.name);
        const WaveFormat w = ParseWave(ResourceData(QString::fromLatin1(e.name)));
        EXPECT_EQ(w.format, 1); // PCM, with consistent block alignment and byte rate
        EXPECT_EQ(w.bits, 8);
        EXPECT_EQ(w.channels, e.channels);
        EXPECT_EQ(w.rate, e.rate);
        ASSERT_GT(w.channels, 0);
        ASSERT_GT(w.rate, 0);
        const double seconds = double(w.samples.size()) / (w.channels * w.rate);
        EXPECT_NEAR(seconds, e.seconds, 0.01);

        // 8-bit samples are unsigned around 128. Peaks about -3 dBFS; both ends
        // fade to silence so that starting or cutting a sound does not click.
        int peak = 0;
        for (char s : w.samples)
            peak = std::max(peak, std::abs(static_cast<unsigned char>(s) - 128));
        const double peakDb = 20.0 * std::log10(peak / 128.0);
        EXPECT_GT(peakDb, -4.5);
        EXPECT_LT(peakDb, -2.0);
        for (qsizetype i : {qsizetype(0), w.samples.size() - 1})
            EXPECT_LE(std::abs(static_cast<unsigned char>(w.samples[i]) - 128), 3) << "sample " << i;
    }
}

TEST(WinClip, TenPaletteFramesThatMove) {
    const QList<QImage> frames = WinClipFrames();
    ASSERT_EQ(frames.size(), 10);
    for (int i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i].size(), QSize(376, 154));
        EXPECT_EQ(frames[i].format(), QImage::Format_Indexed8);
        EXPECT_LE(frames[i].colorCount(), 256);
        EXPECT_NE(frames[i], frames[(i + 1) % frames.size()]) << "frame " << i + 1;
    }
}

TEST(WinClip, AnimatedGifLoopsAtFiveFramesPerSecond) {
    if (!QImageReader::supportedImageFormats().contains("gif")) GTEST_SKIP() << "no GIF reader in this Qt";
    QImageReader reader(ResourcePath(u"WIN_AVI"));
    EXPECT_EQ(reader.format(), "gif");
    EXPECT_EQ(reader.imageCount(), 10);
    EXPECT_EQ(reader.loopCount(), -1);
    int frames = 0;
    while (reader.canRead()) {
        const QImage frame = reader.read();
        if (frame.isNull()) break;
        EXPECT_EQ(frame.size(), QSize(376, 154));
        EXPECT_EQ(reader.nextImageDelay(), 200) << "frame " << frames + 1; // the delay of the frame just read
        ++frames;
    }
    EXPECT_EQ(frames, 10);
}

TEST(ProgramIcon, OffersSizesFromSixteenToTwoHundredFiftySix) {
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    const QImage largest = ResourceImage(u"ICON");
    EXPECT_EQ(largest.size(), QSize(256, 256));
    EXPECT_TRUE(largest.hasAlphaChannel());
    EXPECT_EQ(qAlpha(largest.pixel(0, 0)), 0);
}

TEST(HelpPages, EveryPageOfTheHelpFolderIsEmbedded) {
    const QDir source(QStringLiteral(QUILLANE_RESOURCES_DIR "/help"));
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    int pages = 0;
    while (it.hasNext()) {
        const QString file = it.next();
        QFile original(file);
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        QFile embedded(QStringLiteral(":/help/") + source.relativeFilePath(file));
        ASSERT_TRUE(embedded.open(QIODevice::ReadOnly)) << embedded.fileName().toStdString();
        EXPECT_EQ(embedded.readAll(), original.readAll());
        ++pages;
    }
    if (pages == 0) GTEST_SKIP() << "no help pages yet";
}

namespace {
// How many of the pages lying wholly inside [data, data + size) are mapped
// into this process, from /proc/self/pagemap; -1 when it cannot be read.
int MappedPages(const uchar* data, qint64 size) {
    QFile pagemap(QStringLiteral("/proc/self/pagemap"));
    if (!pagemap.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return -1;
    const quintptr page = 4096;
    const auto begin = reinterpret_cast<quintptr>(data);
    int mapped = 0;
    for (quintptr at = (begin + page - 1) / page * page; at + page <= begin + quintptr(size); at += page) {
        quint64 entry = 0;
        if (!pagemap.seek(qint64(at / page * 8)) || pagemap.read(reinterpret_cast<char*>(&entry), 8) != 8)
            return -1;
        if (entry >> 63) ++mapped;
    }
    return mapped;
}
} // namespace

// Reading a picture or a wave lets the program file's pages go again, and
// what is read afterwards, again or for the first time, is still the file.
TEST(ResourcePages, ReadingLetsThePagesGoAndKeepsTheContent) {
    const QString source = QStringLiteral(QUILLANE_RESOURCES_DIR);
    for (const QString& name : ResourceNames()) {
        for (int pass = 0; pass < 2; ++pass) {
            const QString path = ResourcePath(name);
            QFile original(source + path.mid(1));
            ASSERT_TRUE(original.open(QIODevice::ReadOnly)) << path.toStdString();
            ASSERT_EQ(ResourceData(name), original.readAll()) << path.toStdString() << " pass " << pass;
            if (path.endsWith(QLatin1String(".png"))) {
                ASSERT_FALSE(ResourceImage(name).isNull());
            }
        }
    }
#ifdef __linux__
    // A large picture stored as it is (PNG data does not compress further).
    const QString path = ResourcePath(u"FSCARD154", 2);
    const QResource resource(path);
    ASSERT_EQ(resource.compressionAlgorithm(), QResource::NoCompression);
    const qint64 size = QFileInfo(QStringLiteral(QUILLANE_RESOURCES_DIR) + path.mid(1)).size();
    ASSERT_GT(size, 16 * 4096);
    volatile uchar sum = 0;
    for (qint64 i = 0; i < size; ++i)
        sum = uchar(sum + resource.data()[i]);
    const int touched = MappedPages(resource.data(), size);
    ASSERT_GT(touched, 0) << "pagemap shows no page of a file just read";
    EXPECT_FALSE(ResourceImage(u"FSCARD154", 2).isNull());
    EXPECT_EQ(MappedPages(resource.data(), size), 0) << "of " << touched << " pages";
#endif
}
